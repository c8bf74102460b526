#pragma once

#include "ui/system/printing.h"
#include "ui/windows/dialogs.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <deque>

/// Answers message and input boxes from a script and records what was asked.
class ScriptedDialogs final : public Dialogs {
  public:
    Answer messageBox(QWidget*, const QString& text, MessageStyle style) override
    {
        messages.append(text);
        styles.append(style);
        if (answers.empty())
            return style == MessageStyle::Question ? Answer::No : Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString inputBox(QWidget*, const QString& prompt, const QString& defaultText) override
    {
        prompts.append(prompt);
        defaults.append(defaultText);
        if (inputs.empty())
            return {};
        const QString s = inputs.front();
        inputs.pop_front();
        return s;
    }

    QString saveFileName(QWidget*, const QString& suggested, const QString& filter) override
    {
        saveSuggestions.append(suggested + u'|' + filter);
        if (saveNames.empty())
            return {};
        const QString s = saveNames.front();
        saveNames.pop_front();
        return s;
    }

    std::deque<Answer> answers;
    std::deque<QString> saveNames;
    QStringList saveSuggestions;
    std::deque<QString> inputs;
    QStringList messages;
    QList<MessageStyle> styles;
    QStringList prompts;
    QStringList defaults;
};

/// Remembers every print job instead of printing it.
class RecordingPrinter final : public PrintService {
  public:
    void printText(const QString& text, const FontStyle& font) override
    {
        texts.append(text);
        fonts.append(font);
    }
    void printWidget(QWidget* widget) override { widgets.append(widget); }
    void printPage(const QString& text, const QImage& picture) override
    {
        pages.append(text);
        pictures.append(picture);
    }

    QStringList texts;
    QList<FontStyle> fonts;
    QList<QWidget*> widgets;
    QStringList pages;
    QList<QImage> pictures;
};
