#pragma once
// Read-only files and folders stop nobody running as root, so a test of them
// proves nothing there. As root, such a test case runs itself again as the
// user nobody (setpriv), with HOME and TMPDIR in a fresh folder of that user.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace TestSupport {

struct WynikBezUprawnien
{
    bool uruchomiony = false; // false: privileges could not be dropped here
    bool zdany = false;
    QString wyjscie; // the rerun's output, or why it could not run
};

// Runs the current test function (and its data row) in a new process as the
// user nobody.
inline WynikBezUprawnien UruchomBezUprawnien()
{
    WynikBezUprawnien w;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const passwd *nobody = getpwnam("nobody");
    if (setpriv.isEmpty() || !nobody) {
        w.wyjscie = QStringLiteral("no setpriv or no user nobody on this machine");
        return w;
    }
    QTemporaryDir dom;
    if (!dom.isValid() || chown(QFile::encodeName(dom.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
        w.wyjscie = QStringLiteral("cannot make a folder for the user nobody");
        return w;
    }
    // A copy the user nobody can surely execute, whatever the build folder allows.
    const QString program = dom.filePath(QStringLiteral("test"));
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program)
        || chown(QFile::encodeName(program).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
        w.wyjscie = QStringLiteral("cannot copy the test for the user nobody");
        return w;
    }
    const QString funkcja = QString::fromLatin1(QTest::currentTestFunction());
    const QString wiersz = QString::fromUtf8(QTest::currentDataTag());
    const QString przypadek = wiersz.isEmpty() ? funkcja : funkcja + QLatin1Char(':') + wiersz;
    const QString znakPrzypadku = QStringLiteral("::") + funkcja + QLatin1Char('(') + wiersz + QLatin1Char(')');

    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(QStringLiteral("HOME"), dom.path());
    srodowisko.insert(QStringLiteral("TMPDIR"), dom.path());
    auto uruchom = [&](const QStringList &argumenty) {
        QProcess p;
        p.setProcessEnvironment(srodowisko);
        p.setWorkingDirectory(dom.path());
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(setpriv, QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"} + argumenty);
        const bool skonczony = p.waitForFinished(60000);
        return std::pair{skonczony && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                         QString::fromUtf8(p.readAll())};
    };
    // Can this process become nobody at all (it may itself lack the right)?
    const auto [kodId, id] = uruchom({QStringLiteral("id"), QStringLiteral("-u")});
    if (kodId != 0 || id.trimmed() != QString::number(nobody->pw_uid)) {
        w.wyjscie = QStringLiteral("cannot become the user nobody: ") + id.trimmed();
        return w;
    }
    w.uruchomiony = true;
    const auto [kod, wyjscie] = uruchom({program, przypadek});
    w.wyjscie = wyjscie;
    // Exit code 0 with this very case reported as passed: a skipped or unknown
    // case does not count.
    w.zdany = false;
    if (kod == 0)
        for (const QString &linia : wyjscie.split(QLatin1Char('\n')))
            w.zdany |= linia.startsWith(QStringLiteral("PASS   : ")) && linia.endsWith(znakPrzypadku);
    return w;
}

} // namespace TestSupport

// At the top of a test case about permissions: as root, the case runs again
// as nobody and its outcome is this case's; elsewhere it goes on as it is.
#define BEZ_UPRAWNIEN_ROOTA()                                                                                          \
    do {                                                                                                               \
        if (geteuid() == 0) {                                                                                          \
            const TestSupport::WynikBezUprawnien wynik_ = TestSupport::UruchomBezUprawnien();                          \
            if (!wynik_.uruchomiony)                                                                                   \
                QSKIP(qPrintable(QStringLiteral("running as root and ") + wynik_.wyjscie                               \
                                 + QStringLiteral(": read-only files cannot be tried")));                              \
            QVERIFY2(wynik_.zdany, qPrintable(wynik_.wyjscie));                                                        \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)
