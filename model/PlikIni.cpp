#include "model/PlikIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <limits>
#include <utility>

namespace {

QByteArray bezKoncaLinii(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArray koniecLinii(const QByteArray &line)
{
    if (line.endsWith("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (line.endsWith('\n'))
        return QByteArrayLiteral("\n");
    return {};
}

// The name of a "[section]" line, or a null text for any other line.
QString nazwaSekcji(const QByteArray &trimmed)
{
    if (!trimmed.startsWith('['))
        return {};
    const int koniec = trimmed.indexOf(']');
    if (koniec < 0)
        return {};
    QString nazwa = QString::fromUtf8(trimmed.mid(1, koniec - 1).trimmed());
    if (nazwa.isNull())
        nazwa = QLatin1String("");
    return nazwa;
}

bool takieSame(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool parsujLiczbe(QString text, int &wynik)
{
    text = text.trimmed();
    bool ujemna = false;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        ujemna = text.startsWith(QLatin1Char('-'));
        text.remove(0, 1);
    }
    int podstawa = 10;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        podstawa = 16;
        text.remove(0, 2);
    }
    if (text.isEmpty())
        return false;
    qint64 wartosc = 0;
    for (const QChar c : text) {
        int cyfra;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            cyfra = c.unicode() - '0';
        else if (podstawa == 16 && c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))
            cyfra = c.toLower().unicode() - 'a' + 10;
        else
            return false;
        wartosc = wartosc * podstawa + cyfra;
        if (wartosc > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (ujemna)
        wartosc = -wartosc;
    if (wartosc > std::numeric_limits<int>::max() || wartosc < std::numeric_limits<int>::min())
        return false;
    wynik = int(wartosc);
    return true;
}

bool wCudzyslowie(const QString &s)
{
    return s.size() >= 2 && s.front() == s.back()
           && (s.front() == QLatin1Char('"') || s.front() == QLatin1Char('\''));
}

QString g_folderUstawiony;

} // namespace

PlikIni::PlikIni(const QString &path)
    : m_path(path)
{
    QFile f(path);
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        return;
    }
    const QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        m_unreadable = true;
        return;
    }
    qsizetype od = 0;
    while (od < all.size()) {
        const qsizetype nl = all.indexOf('\n', od);
        const qsizetype do_ = nl < 0 ? all.size() : nl + 1;
        m_lines.append(all.mid(od, do_ - od));
        od = do_;
    }
}

QByteArray PlikIni::content(int i) const
{
    QByteArray line = bezKoncaLinii(m_lines.at(i));
    if (i == 0 && line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    return line.trimmed();
}

int PlikIni::findKey(const QString &section, const QString &key) const
{
    bool wSekcji = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArray line = content(i);
        const QString sekcja = nazwaSekcji(line);
        if (!sekcja.isNull()) {
            wSekcji = takieSame(sekcja, section);
            continue;
        }
        if (!wSekcji || line.startsWith(';'))
            continue;
        const int rowna = line.indexOf('=');
        if (rowna > 0 && takieSame(QString::fromUtf8(line.left(rowna).trimmed()), key))
            return i;
    }
    return -1;
}

QString PlikIni::value(int i) const
{
    const QByteArray line = content(i);
    QString v = QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
    if (wCudzyslowie(v))
        v = v.mid(1, v.size() - 2);
    return v;
}

QString PlikIni::readString(const QString &section, const QString &key, const QString &def) const
{
    const int i = findKey(section, key);
    return i < 0 ? def : value(i);
}

int PlikIni::readInt(const QString &section, const QString &key, int def) const
{
    const int i = findKey(section, key);
    int wynik = def;
    return i >= 0 && parsujLiczbe(value(i), wynik) ? wynik : def;
}

QByteArray PlikIni::lineEnd() const
{
    for (const QByteArray &line : m_lines) {
        const QByteArray k = koniecLinii(line);
        if (!k.isEmpty())
            return k;
    }
    return QByteArrayLiteral("\n");
}

void PlikIni::setRaw(const QString &section, const QString &key, const QByteArray &value)
{
    const int i = findKey(section, key);
    if (i >= 0) {
        // Keep the key as the file spells it, and the line's own end.
        const QByteArray line = content(i);
        m_lines[i] = line.left(line.indexOf('=')).trimmed() + '=' + value + koniecLinii(m_lines.at(i));
        return;
    }

    const QByteArray eol = lineEnd();
    const QByteArray nowa = key.toUtf8() + '=' + value + eol;
    // The end of the section: after its last line that is neither blank nor the next header.
    int naglowek = -1;
    int po = -1;
    for (int j = 0; j < m_lines.size(); ++j) {
        const QByteArray line = content(j);
        const QString sekcja = nazwaSekcji(line);
        if (!sekcja.isNull()) {
            if (naglowek >= 0)
                break;
            if (takieSame(sekcja, section))
                naglowek = po = j + 1;
            continue;
        }
        if (naglowek >= 0 && !line.isEmpty())
            po = j + 1;
    }
    if (naglowek >= 0) {
        if (koniecLinii(m_lines.at(po - 1)).isEmpty())
            m_lines[po - 1] += eol;
        m_lines.insert(po, nowa);
        return;
    }
    if (!m_lines.isEmpty() && koniecLinii(m_lines.last()).isEmpty())
        m_lines.last() += eol;
    m_lines.append('[' + section.toUtf8() + ']' + eol);
    m_lines.append(nowa);
}

void PlikIni::setInt(const QString &section, const QString &key, int value)
{
    setRaw(section, key, QByteArray::number(value));
}

void PlikIni::setString(const QString &section, const QString &key, const QString &value)
{
    // A line break would end the line early and could start a section of its own.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Blanks at the ends, or enclosing quotes, would be lost on reading: quote them.
    if (!v.isEmpty() && (v.front().isSpace() || v.back().isSpace() || wCudzyslowie(v)))
        v = QLatin1Char('"') + v + QLatin1Char('"');
    setRaw(section, key, v.toUtf8());
}

QString PlikIni::save()
{
    const QString blad = QStringLiteral("Unable to write to ") + m_path;
    if (m_unreadable)
        return blad;
    QSaveFile f(m_path);
    // A writable file in a folder we may not create files in is still written, in place.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly))
        return blad;
    for (const QByteArray &line : std::as_const(m_lines)) {
        if (f.write(line) != line.size()) {
            f.cancelWriting();
            return blad;
        }
    }
    return f.commit() ? QString() : blad;
}

QString PlikIni::writeInt(const QString &section, const QString &key, int value)
{
    setInt(section, key, value);
    return save();
}

QString PlikIni::writeString(const QString &section, const QString &key, const QString &value)
{
    setString(section, key, value);
    return save();
}

QString Wybierz_Folder_INI(const QString &folderProgramu, const QString &folderKonfiguracji)
{
    if (!folderProgramu.isEmpty()) {
        const QFileInfo folder(folderProgramu);
        if (QFileInfo::exists(folderProgramu + QStringLiteral("/vezo.ini"))
            || (folder.isDir() && folder.isWritable()))
            return folderProgramu;
    }
    QDir().mkpath(folderKonfiguracji);
    return folderKonfiguracji;
}

void Ustaw_Folder_INI(const QString &folder) { g_folderUstawiony = folder; }

QString Folder_Pliku_INI()
{
    if (!g_folderUstawiony.isEmpty())
        return g_folderUstawiony;
    const QString zSrodowiska = qEnvironmentVariable("VEZO_INI_DIR");
    if (!zSrodowiska.isEmpty())
        return zSrodowiska;
    const QString programu =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString konfiguracji =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vezo");
    return Wybierz_Folder_INI(programu, konfiguracji);
}

QString Sciezka_Pliku_INI() { return Folder_Pliku_INI() + QStringLiteral("/vezo.ini"); }
