#include "ui/windows/dialogs.h"

#include "core/board/texts.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/input/keypad.h"
#include "ui/windows/windowhost.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

Answer QtDialogs::messageBox(QWidget* parent, const QString& text, MessageStyle style)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromUtf16(texts::kTitle));
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (style) {
    case MessageStyle::Question: {
        box.setIcon(QMessageBox::Question);
        QPushButton* yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        const ModalScope modal;
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setEscapeButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    const ModalScope modal;
    box.exec();
    return Answer::Ok;
}

namespace {

/// The keypad below the input box's buttons: its confirm key presses the default button, as
/// Enter in the box does.
void addKeypad(QInputDialog& dialog)
{
    (void)dialog.sizeHint(); // the dialog makes its layout when it is first measured
    auto* keys = new OnScreenKeypad(&dialog);
    keys->setObjectName(names::of(names::kKeypad));
    keys->setFixedSize(3 * OnScreenKeypad::kKeyPixels + 8, 4 * OnScreenKeypad::kKeyPixels + 12);
    keys->setFont(makeFont({FontFamily::Arial, 18, true}));
    keys->setBox(dialog.findChild<QLineEdit*>());
    QObject::connect(keys, &OnScreenKeypad::confirmed, &dialog, [&dialog] {
        const auto buttons = dialog.findChildren<QPushButton*>();
        const auto ok = std::find_if(buttons.begin(), buttons.end(),
                                     [](const QPushButton* b) { return b->isDefault(); });
        if (ok != buttons.end())
            (*ok)->click();
        else
            dialog.accept();
    });
    dialog.layout()->addWidget(keys);
    dialog.layout()->setAlignment(keys, Qt::AlignHCenter);
}

} // namespace

QString QtDialogs::inputBox(QWidget* parent, const QString& prompt, const QString& defaultText)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf16(texts::kTitle));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (keypad_)
        addKeypad(dialog);
    const ModalScope modal;
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& suggested, const QString& filter)
{
    // Qt's own dialog, so that it speaks Italian with the program's translation.
    QFileDialog dialog(parent, QStringLiteral("Salva"), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Salva"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome del file:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo di file:"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Cartella:"));
    const ModalScope modal;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void mostraInformazioni(Dialogs& dialogs, QWidget* parent)
{
    dialogs.messageBox(parent, texts::information(), MessageStyle::Information);
}

bool confermaUscita(Dialogs& dialogs, QWidget* parent)
{
    return dialogs.messageBox(parent, QString::fromUtf16(texts::kExitProgram),
                              MessageStyle::Question) == Answer::Yes;
}
