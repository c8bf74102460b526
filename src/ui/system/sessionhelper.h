#pragma once

#include "core/sessions/sessionstore.h"

/// Saves session files through the small program `quadena-salva`, one run a file: the bytes
/// go to its standard input, it writes them with `sessionstore::saveWhole`. A share that
/// hangs then holds up that program only, never this process: a thread stuck in a request to
/// a hung FUSE share (sshfs) cannot be ended, not even by SIGKILL, and would keep the whole
/// process from ending; a stuck `quadena-salva` is left behind and ends when the share
/// answers. Called from the keeper's writing thread only.
class HelperStore final : public SessionStore {
  public:
    /// `helper` is the program's path, `folder` the results folder.
    HelperStore(QString helper, QString folder);
    bool save(const QString& relativePath, const QByteArray& bytes) override;

    /// `quadena-salva` beside the running program.
    static QString besideProgram();
    /// Whether `helper` is a file this process may run.
    static bool runnable(const QString& helper);

  private:
    QString helper_;
    QString folder_;
    QByteArray lastWhy_; // what the helper said last, when a save failed
};
