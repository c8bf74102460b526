#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

/// The session files the results folder had not taken when the program ended, kept on the
/// machine until a later run saves them: `<state>/quadena/attesa/<class>/<child>/<file>`, the
/// same `<class>/<child>/<file>` as in the results folder. The folders are made 0700 and the
/// files 0600, so that only the account that played reads them; each file is written whole
/// (a temporary file, `fsync` and `close` checked, then renamed) and nothing below `quadena`
/// is reached through a link.
class WaitingSessions {
  public:
    /// `stateFolder` is the user's state folder, as `stateFolderOf` gives it.
    explicit WaitingSessions(QString stateFolder);

    /// `$XDG_STATE_HOME` when it is an absolute path, else `~/.local/state`.
    static QString stateFolderOf(const QString& xdgStateHome, const QString& home);
    /// The same, from this process's environment.
    static QString stateFolder();

    /// The folder the files wait in.
    QString folder() const;

    /// Keeps `bytes` as the file `relativePath`, in place of one kept before. False when it
    /// could not be written whole, or the path is not three plain names.
    bool keep(const QString& relativePath, const QByteArray& bytes) const;

    struct Waiting {
        QString relativePath;
        QByteArray bytes;
        int answers = 0;
    };
    /// Every waiting file that is a session of the class and child of its folders; links,
    /// other files and hidden names are left alone.
    std::vector<Waiting> all() const;

    /// Removes the file, and its child and class folders once empty.
    bool remove(const QString& relativePath) const;

  private:
    QString stateFolder_;
};
