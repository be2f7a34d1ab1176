#include "disk/zapisbezpieczny.h"

#include "bezuprawnien.h"
#include "limitpliku.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <sys/stat.h>

using TestSupport::CzytajPlik;

Q_DECLARE_METATYPE(TrybZapisu)

namespace {

bool PiszPlik(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

const QByteArray Nowe(100, 'n');
const QByteArray Stare(300, 's');

} // namespace

// The one way every file of the program is written.
class TestZapisBezpieczny : public QObject
{
    Q_OBJECT

private slots:
    void zapis_data()
    {
        QTest::addColumn<bool>("folderTylkoDoOdczytu");
        QTest::addColumn<bool>("plikTylkoDoOdczytu");
        QTest::addColumn<TrybZapisu>("tryb");
        QTest::addColumn<QByteArray>("stare"); // empty: no file yet
        QTest::addColumn<int>("limit");        // file size limit in bytes, 0: none
        QTest::addColumn<bool>("zapisany");
        QTest::addColumn<QByteArray>("potem"); // empty: no file afterwards

        const auto podmiana = TrybZapisu::TylkoPodmiana;
        const auto wMiejscu = TrybZapisu::PodmianaLubWMiejscu;
        QTest::addRow("a new file gets every byte") << false << false << podmiana << QByteArray() << 0 << true << Nowe;
        QTest::addRow("a longer old file is replaced whole")
            << false << false << podmiana << Stare << 0 << true << Nowe;
        QTest::addRow("a save cut short by a size limit keeps the old file")
            << false << false << wMiejscu << Stare << 64 << false << Stare;
        QTest::addRow("in a read-only folder a writable file is written in place, its old tail gone")
            << true << false << wMiejscu << Stare << 0 << true << Nowe;
        QTest::addRow("in a read-only folder the program's own file is not written in place")
            << true << false << podmiana << Stare << 0 << false << Stare;
        QTest::addRow("in a read-only folder a read-only file is not written")
            << true << true << wMiejscu << Stare << 0 << false << Stare;
        QTest::addRow("in a read-only folder no new file can be made")
            << true << false << wMiejscu << QByteArray() << 0 << false << QByteArray();
        QTest::addRow("written in place and cut short by a size limit, the failure is reported")
            << true << false << wMiejscu << Stare << 64 << false << Nowe.left(64);
    }
    void zapis()
    {
        QFETCH(bool, folderTylkoDoOdczytu);
        QFETCH(bool, plikTylkoDoOdczytu);
        QFETCH(TrybZapisu, tryb);
        QFETCH(QByteArray, stare);
        QFETCH(int, limit);
        QFETCH(bool, zapisany);
        QFETCH(QByteArray, potem);
        if (folderTylkoDoOdczytu || plikTylkoDoOdczytu)
            BEZ_UPRAWNIEN_ROOTA();

        QTemporaryDir dir;
        const QString sciezka = dir.filePath("plik");
        if (!stare.isEmpty())
            QVERIFY(PiszPlik(sciezka, stare));
        if (plikTylkoDoOdczytu)
            QVERIFY(QFile::setPermissions(sciezka, QFile::ReadOwner));
        if (folderTylkoDoOdczytu)
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QString blad;
        bool wynik;
        {
            std::optional<TestSupport::LimitRozmiaruPliku> granica;
            if (limit > 0)
                granica.emplace(limit);
            wynik = ZapiszBezpiecznie(sciezka, Nowe, &blad, tryb);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(wynik, zapisany);
        QCOMPARE(blad.isEmpty(), zapisany);
        QCOMPARE(QFileInfo::exists(sciezka), !potem.isEmpty());
        QCOMPARE(CzytajPlik(sciezka), potem);
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 potem.isEmpty() ? QStringList{} : QStringList{"plik"});
    }

    // A device cannot be replaced by a rename: it is written into and stays.
    void urzadzenieZostajeUrzadzeniem_data()
    {
        QTest::addColumn<QString>("urzadzenie");
        QTest::addColumn<bool>("zapisany");
        QTest::addRow("/dev/null takes every byte") << "/dev/null" << true;
        QTest::addRow("/dev/full reports the full disk") << "/dev/full" << false;
        QTest::addRow("a named pipe nobody reads fails at once instead of waiting") << "fifo" << false;
    }
    void urzadzenieZostajeUrzadzeniem()
    {
        QFETCH(QString, urzadzenie);
        QFETCH(bool, zapisany);
        QTemporaryDir dir;
        if (urzadzenie == "fifo") {
            urzadzenie = dir.filePath("fifo");
            QCOMPARE(mkfifo(QFile::encodeName(urzadzenie).constData(), 0600), 0);
        }
        QString blad;
        QCOMPARE(ZapiszBezpiecznie(urzadzenie, Nowe, &blad), zapisany);
        QCOMPARE(blad.isEmpty(), zapisany);
        QVERIFY(QFileInfo(urzadzenie).exists() && !QFileInfo(urzadzenie).isFile());
    }

    // A writer that fails leaves the old file, and its own reason stands.
    void bladPiszacegoZostawiaStaryPlik()
    {
        QTemporaryDir dir;
        const QString sciezka = dir.filePath("plik");
        QVERIFY(PiszPlik(sciezka, Stare));
        QString blad;
        QVERIFY(!ZapiszBezpiecznie(
            sciezka,
            [](QIODevice &dev, QString *b) {
                dev.write("polowa");
                *b = QStringLiteral("nie ma czego pisać");
                return false;
            },
            &blad));
        QCOMPARE(blad, QStringLiteral("nie ma czego pisać"));
        QCOMPARE(CzytajPlik(sciezka), Stare);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plik"});
    }
};

QTEST_GUILESS_MAIN(TestZapisBezpieczny)
#include "tst_zapisbezpieczny.moc"
