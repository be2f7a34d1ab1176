#include "store/schemat.h"
#include "testsupport.h"

#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QtTest>

// The card store, miniatures and sample add-ons the build ships in the
// program folder: complete, and in the formats the program and its import read.
class TestZawartosc : public QObject
{
    Q_OBJECT

    QSqlDatabase db;

    // Empty when `b` is a 24-bit BMP file of `rozmiar` (at least that size
    // with `conajmniej`); otherwise what is wrong with it.
    static QString bledyBmp(const QByteArray &b, QSize rozmiar, bool conajmniej = false)
    {
        if (b.size() < 30 || !b.startsWith("BM"))
            return QStringLiteral("not a BMP file (%1 bytes)").arg(b.size());
        const int bity = quint8(b[28]) | (quint8(b[29]) << 8);
        if (bity != 24)
            return QStringLiteral("%1 bits per pixel, not 24").arg(bity);
        const QImage img = QImage::fromData(b, "BMP");
        if (img.isNull())
            return QStringLiteral("does not decode");
        const bool dobry =
            conajmniej ? img.width() >= rozmiar.width() && img.height() >= rozmiar.height() : img.size() == rozmiar;
        if (!dobry)
            return QStringLiteral("%1 x %2, expected %3%4 x %5")
                .arg(img.width())
                .arg(img.height())
                .arg(conajmniej ? "at least " : "")
                .arg(rozmiar.width())
                .arg(rozmiar.height());
        return {};
    }

    static QByteArray zawartosc(const QString &sciezka)
    {
        QFile f(sciezka);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Lines of a UTF-8 source file, without trailing empty lines.
    static QStringList linieZrodla(const QString &sciezka)
    {
        QStringList l = QString::fromUtf8(zawartosc(sciezka)).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
        while (!l.isEmpty() && l.last().trimmed().isEmpty())
            l.removeLast();
        return l;
    }

    // Decodes a descriptor the way the import reads it: Windows-1250, CR LF.
    static QString windows1250(const QByteArray &b)
    {
        QStringDecoder dec("windows-1250");
        const QString tekst = dec.decode(b);
        return dec.hasError() ? QString() : tekst;
    }

    static QString dodatki() { return TestSupport::programDir() + QStringLiteral("/dodatki/"); }

private slots:
    void initTestCase()
    {
        const QString plik =
            TestSupport::programDir() + QStringLiteral("/Data/") + QLatin1String(Schemat::PlikMagazynu);
        QVERIFY2(QFile::exists(plik), qPrintable(plik));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("zawartosc"));
        db.setDatabaseName(plik);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
    }

    void cleanupTestCase()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("zawartosc"));
    }

    void taliaMaKompletKart_data()
    {
        QTest::addColumn<int>("talia");
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("deck %d has cards 1 to 24, named, with four 24-bit pictures and a back", n) << n;
    }

    void taliaMaKompletKart()
    {
        QFETCH(int, talia);
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT ID, NrKarty, NazwaTalii, NazwaKarty, Obrazek800, Obrazek1024, ObrazekBig, "
                                 "ObrazekMaly FROM kartygraf WHERE NumerTalii = :talia ORDER BY NrKarty"));
        q.bindValue(QStringLiteral(":talia"), talia);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        int karta = 0;
        QString nazwaTalii;
        while (q.next()) {
            ++karta;
            QCOMPARE(q.value(1).toInt(), karta);
            QCOMPARE(q.value(0).toInt(), 24 * talia + karta);
            if (karta == 1)
                nazwaTalii = q.value(2).toString();
            QVERIFY2(!nazwaTalii.isEmpty() && q.value(2).toString() == nazwaTalii,
                     qPrintable(QStringLiteral("card %1: deck name \"%2\"").arg(karta).arg(q.value(2).toString())));
            QVERIFY2(!q.value(3).toString().trimmed().isEmpty(),
                     qPrintable(QStringLiteral("card %1 has no name").arg(karta)));
            const struct
            {
                int pole;
                const char *nazwa;
                QSize rozmiar;
            } obrazki[] = {
                {4, "Obrazek800", {80, 122}},
                {5, "Obrazek1024", {114, 173}},
                {6, "ObrazekBig", {169, 273}},
                {7, "ObrazekMaly", {64, 32}},
            };
            for (const auto &o : obrazki) {
                const QString b = bledyBmp(q.value(o.pole).toByteArray(), o.rozmiar);
                QVERIFY2(b.isEmpty(), qPrintable(QStringLiteral("card %1 %2: %3").arg(karta).arg(o.nazwa, b)));
            }
        }
        QCOMPARE(karta, 24);

        q.prepare(QStringLiteral("SELECT Koszulka FROM Koszulki WHERE NumerTalii = :talia"));
        q.bindValue(QStringLiteral(":talia"), talia);
        QVERIFY(q.exec());
        QVERIFY2(q.next(), "no card back");
        const QString b = bledyBmp(q.value(0).toByteArray(), {1, 1}, true);
        QVERIFY2(b.isEmpty(), qPrintable(b));
    }

    void kartaMaZnaczenie_data()
    {
        QTest::addColumn<bool>("odwrocona");
        QTest::addRow("every card upright has one meaning of at least 40 words") << false;
        QTest::addRow("every card reversed has one meaning of at least 40 words") << true;
    }

    void kartaMaZnaczenie()
    {
        QFETCH(bool, odwrocona);
        // The program's own lookup: booleans bound as booleans.
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("SELECT opis FROM pary WHERE NrPierwszej = :Pierwsza AND Czy1wszaOdwrocona = :Czy1Odwr "
                           "AND NrDrugiej = :Druga AND Czy2gaOdwrocona = :Czy2Odwr"));
        for (int karta = 1; karta <= 24; ++karta) {
            q.bindValue(QStringLiteral(":Pierwsza"), karta);
            q.bindValue(QStringLiteral(":Czy1Odwr"), odwrocona);
            q.bindValue(QStringLiteral(":Druga"), 99999);
            q.bindValue(QStringLiteral(":Czy2Odwr"), false);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            QVERIFY2(q.next(), qPrintable(QStringLiteral("card %1 has no meaning").arg(karta)));
            const int slowa =
                q.value(0).toString().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
            QVERIFY2(slowa >= 40, qPrintable(QStringLiteral("card %1: %2 words").arg(karta).arg(slowa)));
            QVERIFY2(!q.next(), qPrintable(QStringLiteral("card %1 has two meanings").arg(karta)));
        }
    }

    void pozycjaMaNaglowek_data()
    {
        QTest::addColumn<int>("uklad");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("do_");
        // Position 1 of spreads 1-14 is the significator and 1 of spread 16 the past: both have fixed titles.
        const int liczba[] = {8, 4, 8, 6, 9, 5, 7, 6, 6, 11, 7, 7, 9, 9, 1, 3};
        for (int n = 1; n <= 16; ++n) {
            const int od = n == 15 ? 1 : 2;
            QTest::addRow("spread %d has headings for positions %d to %d", n, od, liczba[n - 1])
                << n << od << liczba[n - 1];
        }
    }

    void pozycjaMaNaglowek()
    {
        QFETCH(int, uklad);
        QFETCH(int, od);
        QFETCH(int, do_);
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("select Opis from Karty where (Karty.NrUkladu=:NrUkladu) and (Karty.NrKarty=:NrKarty)"));
        for (int p = od; p <= do_; ++p) {
            q.bindValue(QStringLiteral(":NrUkladu"), uklad);
            q.bindValue(QStringLiteral(":NrKarty"), p - 1);
            QVERIFY(q.exec());
            QVERIFY2(q.next() && !q.value(0).toString().trimmed().isEmpty(),
                     qPrintable(QStringLiteral("position %1 has no heading").arg(p)));
        }
    }

    void tlaSaPelnejWielkosci()
    {
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("SELECT ID, Nazwa, Tlo, MaleTlo FROM Tla")));
        int ile = 0;
        while (q.next()) {
            const QString kto =
                QStringLiteral("background %1 \"%2\"").arg(q.value(0).toInt()).arg(q.value(1).toString());
            QVERIFY2(!q.value(1).toString().trimmed().isEmpty(), qPrintable(kto));
            const QString b = bledyBmp(q.value(2).toByteArray(), {1280, 1024}, true);
            QVERIFY2(b.isEmpty(), qPrintable(kto + QStringLiteral(": ") + b));
            QVERIFY2(!QImage::fromData(q.value(3).toByteArray(), "BMP").isNull(),
                     qPrintable(kto + QStringLiteral(": miniature")));
            ++ile;
        }
        QVERIFY2(ile >= 5, qPrintable(QStringLiteral("%1 backgrounds").arg(ile)));
    }

    void miniaturaUkladu_data()
    {
        QTest::addColumn<int>("uklad");
        for (int n = 1; n <= 16; ++n)
            QTest::addRow("miniature of spread %d is a 64 x 64 JPEG", n) << n;
    }

    void miniaturaUkladu()
    {
        QFETCH(int, uklad);
        const QByteArray b = zawartosc(TestSupport::programDir() + QStringLiteral("/miniatury/%1uklad.jpg").arg(uklad));
        QVERIFY2(b.startsWith("\xFF\xD8"), "not a JPEG file");
        QCOMPARE(QImage::fromData(b, "JPG").size(), QSize(64, 64));
    }

    void dodatekTalii()
    {
        const QString kat = dodatki() + QStringLiteral("talia_bursztyn/");
        const QByteArray opis = zawartosc(kat + QStringLiteral("talia.txt"));
        QVERIFY2(!opis.isEmpty(), "talia.txt missing");
        QCOMPARE(opis.count('\n'), opis.count("\r\n"));
        const QString tekst = windows1250(opis);
        QVERIFY2(!tekst.isEmpty(), "talia.txt is not Windows-1250");
        QStringList linie = tekst.split(QStringLiteral("\r\n"));
        while (!linie.isEmpty() && linie.last().isEmpty())
            linie.removeLast();
        QCOMPARE(linie, linieZrodla(TestSupport::sourceDir() + QStringLiteral("/data/przyklad/talia.txt")));
        QCOMPARE(linie.size(), 25);

        const struct
        {
            const char *koncowka;
            QSize rozmiar;
        } pliki[] = {
            {"_1 kopia.bmp", {80, 122}},
            {"_2 kopia.bmp", {114, 173}},
            {"_3 kopia.bmp", {169, 273}},
            {".bmp", {64, 32}},
        };
        for (int k = 1; k <= 24; ++k)
            for (const auto &p : pliki) {
                const QString nazwa =
                    QStringLiteral("%1%2").arg(k, 2, 10, QLatin1Char('0')).arg(QLatin1String(p.koncowka));
                const QString b = bledyBmp(zawartosc(kat + nazwa), p.rozmiar);
                QVERIFY2(b.isEmpty(), qPrintable(nazwa + QStringLiteral(": ") + b));
            }
        const QString b = bledyBmp(zawartosc(kat + QStringLiteral("koszulka.bmp")), {1, 1}, true);
        QVERIFY2(b.isEmpty(), qPrintable(QStringLiteral("koszulka.bmp: ") + b));
    }

    void dodatekStolikow()
    {
        const QString kat = dodatki() + QStringLiteral("stoliki_przyklad/");
        const QByteArray opis = zawartosc(kat + QStringLiteral("stoliki.txt"));
        QVERIFY2(!opis.isEmpty(), "stoliki.txt missing");
        QCOMPARE(opis.count('\n'), opis.count("\r\n"));
        // A line end after the last name would make the import read one more, empty, background.
        QVERIFY(!opis.endsWith('\n'));
        const QString tekst = windows1250(opis);
        QVERIFY2(!tekst.isEmpty(), "stoliki.txt is not Windows-1250");
        const QStringList linie = tekst.split(QStringLiteral("\r\n"));
        QCOMPARE(linie, linieZrodla(TestSupport::sourceDir() + QStringLiteral("/data/przyklad/stoliki.txt")));
        for (int k = 1; k <= linie.size(); ++k) {
            const QString tlo = QStringLiteral("tlo_%1.bmp").arg(k);
            QString b = bledyBmp(zawartosc(kat + tlo), {1280, 1024}, true);
            QVERIFY2(b.isEmpty(), qPrintable(tlo + QStringLiteral(": ") + b));
            const QString male = QStringLiteral("m_tlo_%1.bmp").arg(k);
            b = bledyBmp(zawartosc(kat + male), {1, 1}, true);
            QVERIFY2(b.isEmpty(), qPrintable(male + QStringLiteral(": ") + b));
        }
    }
};

QTEST_GUILESS_MAIN(TestZawartosc)
#include "tst_zawartosc.moc"
