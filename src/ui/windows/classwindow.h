#pragma once

#include "ui/windows/windowhost.h"

#include <QStringList>

/// `FormClasse`, "Quale classe?": one large button a class, shown when the classes folder has
/// several and the machine names none, or names one that is not there (which it says). With
/// no class list to read it says so and offers "Gioca", to play without a name.
class ClassWindow final : public ProgramWindow {
    Q_OBJECT
  public:
    /// `classes` by name, in the order of the buttons; `missing`: the class the machine names
    /// that none of them is, or empty.
    ClassWindow(WindowHost& host, const QStringList& classes, const QString& missing = {});

  signals:
    /// The class at that position of `classes` was chosen.
    void chosen(int position);
    void gioca();
};
