#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// An INI file in the classic profile format: "[section]" lines and "key=value" lines,
// section and key names compared without regard to case, the first match winning.
//
// The file is read once, when the object is made; reads come from that copy. Writes
// change only the one line of the key (or add it), so every other section, key, comment
// and line stays as it was, byte for byte, with its own line end. save() replaces the
// file atomically. Keep the object short-lived: make it, read or write, let it go.
//
// A missing, unreadable, empty or garbage file reads as empty: every read gives its
// default.
class PlikIni
{
public:
    explicit PlikIni(const QString &path);

    const QString &path() const { return m_path; }

    // Decimal, or hexadecimal after "0x", with an optional sign and surrounding blanks.
    // Anything else, a missing key, or a value outside the int range gives def.
    int readInt(const QString &section, const QString &key, int def) const;

    // A missing key gives def; a key present with an empty value gives the empty text.
    // Surrounding blanks are dropped, then one pair of enclosing quotes, so a value that
    // was written with blanks at its ends comes back whole.
    QString readString(const QString &section, const QString &key, const QString &def) const;

    // Change the copy in memory; save() writes it.
    void setInt(const QString &section, const QString &key, int value);
    void setString(const QString &section, const QString &key, const QString &value);

    // Writes the file (UTF-8) through a temporary file and a rename. Returns the empty
    // text on success, else "Unable to write to " and the path, for a message box.
    // A file that exists but could not be read is never overwritten.
    [[nodiscard]] QString save();

    // set...() and save() in one call.
    [[nodiscard]] QString writeInt(const QString &section, const QString &key, int value);
    [[nodiscard]] QString writeString(const QString &section, const QString &key,
                                      const QString &value);

private:
    // Index of the key's line in m_lines, or -1.
    int findKey(const QString &section, const QString &key) const;
    // Line i without its end, byte-order mark and surrounding blanks.
    QByteArray content(int i) const;
    // The value of key line i, unquoted.
    QString value(int i) const;
    void setRaw(const QString &section, const QString &key, const QByteArray &value);
    QByteArray lineEnd() const;

    QString m_path;
    QList<QByteArray> m_lines; // each with its own line end, the last one maybe without
    bool m_unreadable = false;
};

// The file the program keeps its settings in: "vezo.ini" in the folder that
// Folder_Pliku_INI() chooses.
QString Sciezka_Pliku_INI();

// The folder of vezo.ini. In order: the folder set by Ustaw_Folder_INI(); the
// environment variable VEZO_INI_DIR; else Wybierz_Folder_INI() over the program's
// folder and the user's configuration folder (".../vezo").
QString Folder_Pliku_INI();

// Overrides the folder for this run (tests); the empty text restores the normal choice.
void Ustaw_Folder_INI(const QString &folder);

// The program's folder when it already holds a vezo.ini or may be written to (a portable
// install); otherwise the configuration folder, created if it is missing (a program
// installed where it cannot write beside itself).
QString Wybierz_Folder_INI(const QString &folderProgramu, const QString &folderKonfiguracji);
