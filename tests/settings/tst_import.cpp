#include "fixture.h"
#include "settings/import.h"
#include "testsupport.h"

#include <QTemporaryDir>

using namespace Fixture;

namespace {

QStringList NazwyKart(MagazynKart &m, int talia)
{
    QStringList nazwy;
    for (const auto &i : m.Ikonki(talia))
        nazwy << i.NazwaKarty;
    return nazwy;
}

QStringList NazwyTalii(MagazynKart &m, int talia)
{
    QStringList nazwy;
    for (const auto &t : m.Talie())
        if (t.NumerTalii == talia)
            nazwy << t.NazwaTalii;
    return nazwy;
}

// 24 names: the given ones, then empty ones.
QStringList Karty(QStringList nazwy)
{
    while (nazwy.size() < 24)
        nazwy << QString();
    return nazwy;
}

QStringList Ponumerowane(const QString &wzor, int ile)
{
    QStringList l;
    for (int i = 1; i <= ile; ++i)
        l << wzor.arg(i);
    return l;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private slots:
    void importTalii_data();
    void importTalii();
    void opisTalii_data();
    void opisTalii();
    void kodowanieOpisu_data();
    void kodowanieOpisu();
    void bladTalii_data();
    void bladTalii();
    void importTel_data();
    void importTel();
    void dodatkiProgramu();
};

void TestImport::importTalii_data()
{
    QTest::addColumn<int>("taliePrzed");
    QTest::addColumn<int>("numer");
    QTest::addColumn<int>("pierwszeId");
    QTest::addRow("into a store holding decks 1 to 4 the deck becomes number 5 with ids 121 to 144") << 4 << 5 << 121;
    QTest::addRow("into an empty store the deck becomes number 1 with ids 25 to 48") << 0 << 1 << 25;
}

void TestImport::importTalii()
{
    QFETCH(int, taliePrzed);
    QFETCH(int, numer);
    QFETCH(int, pierwszeId);
    QTemporaryDir tmp;
    auto m = Magazyn(tmp.path(), taliePrzed, 0);
    const QString folder = tmp.path() + QStringLiteral("/talia");
    const QStringList karty = Ponumerowane(QStringLiteral("Runa %1"), 24);
    ZrobTalie(folder, (QStringList{QStringLiteral("Bursztyn")} + karty).join(QStringLiteral("\r\n")).toUtf8());

    int n = -1;
    QString szczegoly;
    QVERIFY2(ImportujTalieZ(*m, folder + QStringLiteral("/talia.txt"), &n, &szczegoly), qPrintable(szczegoly));
    QCOMPARE(n, numer);

    QSqlQuery q(m->Baza());
    QVERIFY(q.exec(
        QStringLiteral("select ID, NrKarty, NazwaTalii from kartygraf where NumerTalii = %1 order by ID").arg(n)));
    for (int k = 1; k <= 24; ++k) {
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), pierwszeId + k - 1);
        QCOMPARE(q.value(1).toInt(), k);
        QCOMPARE(q.value(2).toString(), QStringLiteral("Bursztyn"));
    }
    QVERIFY(!q.next());
    QCOMPARE(NazwyKart(*m, n), karty);

    // Every picture byte for byte as the file holds it.
    const auto ikonki = m->Ikonki(n);
    for (int k = 1; k <= 24; ++k) {
        const QStringList pliki = PlikiKarty(k);
        QCOMPARE(m->ObrazekKarty(k, n, QStringLiteral("Obrazek800")), Czytaj(folder + QLatin1Char('/') + pliki[0]));
        QCOMPARE(m->ObrazekKarty(k, n, QStringLiteral("Obrazek1024")), Czytaj(folder + QLatin1Char('/') + pliki[1]));
        QCOMPARE(m->ObrazekKarty(k, n, QStringLiteral("ObrazekBig")), Czytaj(folder + QLatin1Char('/') + pliki[2]));
        QCOMPARE(ikonki[k - 1].ObrazekMaly, Czytaj(folder + QLatin1Char('/') + pliki[3]));
    }
    QCOMPARE(m->Koszulka(n), Czytaj(folder + QStringLiteral("/koszulka.bmp")));

    // The same deck again is a second deck of the same name.
    int drugi = -1;
    QVERIFY(ImportujTalieZ(*m, folder + QStringLiteral("/talia.txt"), &drugi, &szczegoly));
    QCOMPARE(drugi, numer + 1);
    QCOMPARE(NazwyTalii(*m, numer), QStringList{QStringLiteral("Bursztyn")});
    QCOMPARE(NazwyTalii(*m, numer + 1), QStringList{QStringLiteral("Bursztyn")});
}

void TestImport::opisTalii_data()
{
    QTest::addColumn<QByteArray>("opis");
    QTest::addColumn<QString>("nazwaTalii");
    QTest::addColumn<QStringList>("karty");

    const QString dluga = QString(60, QLatin1Char('x'));
    QTest::addRow("a ten-line descriptor leaves cards 10 to 24 unnamed")
        << QByteArray("Krotka\n1\n2\n3\n4\n5\n6\n7\n8\n9\n") << QStringLiteral("Krotka")
        << Karty({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    QTest::addRow("a name with a quote is stored as written, not run as SQL")
        << QByteArray("Runy O'Neila\r\nx'); drop table kartygraf; --\r\n") << QStringLiteral("Runy O'Neila")
        << Karty({QStringLiteral("x'); drop table kartygraf; --")});
    QTest::addRow("a UTF-8 descriptor keeps its Polish letters")
        << QStringLiteral("Złote łąki\nŻółć\nĘś ćma\n").toUtf8() << QStringLiteral("Złote łąki")
        << Karty({QStringLiteral("Żółć"), QStringLiteral("Ęś ćma")});
    QTest::addRow("a UTF-8 descriptor with a byte order mark loses only the mark")
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("Źródło\r\nŁza\r\n").toUtf8() << QStringLiteral("Źródło")
        << Karty({QStringLiteral("Łza")});
    QTest::addRow("a Windows-1250 descriptor keeps its Polish letters")
        << Cp1250(QStringLiteral("Złote łąki\r\nŻółć\r\nĘś ćma\r\n")) << QStringLiteral("Złote łąki")
        << Karty({QStringLiteral("Żółć"), QStringLiteral("Ęś ćma")});
    QTest::addRow("names longer than 50 characters are cut to 50")
        << (dluga + QLatin1Char('\n') + dluga).toUtf8() << QString(50, QLatin1Char('x'))
        << Karty({QString(50, QLatin1Char('x'))});
    QTest::addRow("lines after the 25th are ignored")
        << (QStringList{QStringLiteral("Pelna")} + Ponumerowane(QStringLiteral("K%1"), 30))
               .join(QLatin1Char('\n'))
               .toUtf8()
        << QStringLiteral("Pelna") << Ponumerowane(QStringLiteral("K%1"), 24);
    QTest::addRow("an empty descriptor gives a deck without names") << QByteArray() << QString() << Karty({});
}

void TestImport::opisTalii()
{
    QFETCH(QByteArray, opis);
    QFETCH(QString, nazwaTalii);
    QFETCH(QStringList, karty);
    QTemporaryDir tmp;
    auto m = Magazyn(tmp.path(), 1, 0);
    ZrobTalie(tmp.path() + QStringLiteral("/t"), opis);
    int n = 0;
    QString szczegoly;
    QVERIFY2(ImportujTalieZ(*m, tmp.path() + QStringLiteral("/t/talia.txt"), &n, &szczegoly), qPrintable(szczegoly));
    QCOMPARE(n, 2);
    QCOMPARE(NazwyTalii(*m, n), QStringList{nazwaTalii});
    QCOMPARE(NazwyKart(*m, n), karty);
    QCOMPARE(Liczba(*m, QStringLiteral("select count(*) from kartygraf")), 48);
}

void TestImport::kodowanieOpisu_data()
{
    QTest::addColumn<QByteArray>("opis");
    QTest::addColumn<QStringList>("nazwy");

    const QStringList slowa{QStringLiteral("ZIELONY STÓŁ"), QStringLiteral("RÓŻOWY"), QStringLiteral("KÓŁKO")};
    const QStringList litery{QStringLiteral("ąćęłńóśźż"), QStringLiteral("ĄĆĘŁŃÓŚŹŻ")};
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::addRow("plain ASCII reads as it stands")
        << QByteArray("Stol\r\nLas O'Neila\r\n") << QStringList{"Stol", "Las O'Neila"};
    for (const QString &slowo : slowa)
        QTest::addRow("Windows-1250 \"%s\", valid UTF-8 by chance, reads as Windows-1250", qPrintable(slowo))
            << Cp1250(slowo + QStringLiteral("\r\n")) << QStringList{slowo};
    QTest::addRow("Windows-1250 with all three words reads as Windows-1250")
        << Cp1250(slowa.join(QStringLiteral("\r\n"))) << slowa;
    QTest::addRow("UTF-8 without a byte order mark reads as UTF-8") << slowa.join(QLatin1Char('\n')).toUtf8() << slowa;
    QTest::addRow("UTF-8 with a byte order mark reads as UTF-8 without the mark")
        << bom + slowa.join(QStringLiteral("\r\n")).toUtf8() << slowa;
    QTest::addRow("UTF-8 of Polish letters only reads as UTF-8") << litery.join(QLatin1Char('\n')).toUtf8() << litery;
    QTest::addRow("Windows-1250 of Polish letters only reads as Windows-1250")
        << Cp1250(litery.join(QLatin1Char('\n'))) << litery;
    QTest::addRow("UTF-8 with a mark and one broken byte keeps the letters around it")
        << bom + QByteArray("Z\xC3\xB3\xC5\x82w \xFF\xC4\x85") << QStringList{QStringLiteral("Zółw \uFFFDą")};
    QTest::addRow("UTF-8 of letters beyond Polish stays UTF-8")
        << QStringLiteral("Руны\nMüller").toUtf8() << QStringList{QStringLiteral("Руны"), QStringLiteral("Müller")};
}

// Both descriptors share one reading of their bytes: the background names and
// the deck name come out the same.
void TestImport::kodowanieOpisu()
{
    QFETCH(QByteArray, opis);
    QFETCH(QStringList, nazwy);
    QCOMPARE(CzytajOpisTel(opis), nazwy);
    const OpisTalii talia = CzytajOpisTalii(opis);
    QCOMPARE(talia.NazwaTalii, nazwy.value(0));
    QCOMPARE(talia.NazwyKart.value(0), nazwy.value(1));
}

void TestImport::bladTalii_data()
{
    QTest::addColumn<QString>("brak");
    QTest::addRow("a missing face of card 13 leaves nothing of the deck") << QStringLiteral("13_2 kopia.bmp");
    QTest::addRow("a missing icon of the last card leaves nothing of the deck") << QStringLiteral("24.bmp");
    QTest::addRow("a missing card back leaves nothing of the deck") << QStringLiteral("koszulka.bmp");
    QTest::addRow("a missing descriptor leaves nothing of the deck") << QStringLiteral("talia.txt");
}

void TestImport::bladTalii()
{
    QFETCH(QString, brak);
    QTemporaryDir tmp;
    auto m = Magazyn(tmp.path(), 4, 0);
    const QString folder = tmp.path() + QStringLiteral("/talia");
    ZrobTalie(folder, "Niepelna\nA\nB\n");
    QVERIFY(QFile::remove(folder + QLatin1Char('/') + brak));

    int n = -1;
    QString szczegoly;
    QVERIFY(!ImportujTalieZ(*m, folder + QStringLiteral("/talia.txt"), &n, &szczegoly));
    QVERIFY2(szczegoly.contains(brak), qPrintable(szczegoly));
    QCOMPARE(n, -1);
    QCOMPARE(Liczba(*m, QStringLiteral("select count(*) from kartygraf")), 4 * 24);
    QCOMPARE(Liczba(*m, QStringLiteral("select count(*) from koszulki")), 4);
    QCOMPARE(m->Talie().size(), 4);

    // The store stays usable and the failed attempt used up no number.
    ZrobTalie(folder, "Pelna\n");
    QVERIFY(ImportujTalieZ(*m, folder + QStringLiteral("/talia.txt"), &n, &szczegoly));
    QCOMPARE(n, 5);
}

void TestImport::importTel_data()
{
    QTest::addColumn<int>("tlaPrzed");
    QTest::addColumn<QByteArray>("opis");
    QTest::addColumn<QList<int>>("pelne");
    QTest::addColumn<QList<int>>("male");
    QTest::addColumn<bool>("udane");
    QTest::addColumn<QStringList>("nazwy");
    QTest::addColumn<QString>("wSzczegolach");

    QTest::addRow("three Windows-1250 lines add three complete backgrounds after the existing ones")
        << 2 << Cp1250(QStringLiteral("Leśna polana\r\nMorze\r\nGóry\r\n")) << QList<int>{1, 2, 3}
        << QList<int>{1, 2, 3} << true
        << QStringList{QStringLiteral("Leśna polana"), QStringLiteral("Morze"), QStringLiteral("Góry")} << QString();
    QTest::addRow("into an empty store the first background gets id 1")
        << 0 << QStringLiteral("Ściana").toUtf8() << QList<int>{1} << QList<int>{1} << true
        << QStringList{QStringLiteral("Ściana")} << QString();
    QTest::addRow("a Windows-1250 descriptor ending in a Polish letter without a line end keeps the letter")
        << 0 << Cp1250(QStringLiteral("Las\r\nSzary kamień")) << QList<int>{1, 2} << QList<int>{1, 2} << true
        << QStringList{QStringLiteral("Las"), QStringLiteral("Szary kamień")} << QString();
    QTest::addRow("a trailing empty line without a picture for the extra number stops after the named ones")
        << 2 << QByteArray("A\nB\n\n") << QList<int>{1, 2} << QList<int>{1, 2} << false << QStringList{"A", "B"}
        << QStringLiteral("tlo_3.bmp");
    QTest::addRow("a trailing empty line with a picture for the extra number adds a nameless background")
        << 2 << QByteArray("A\nB\n\n") << QList<int>{1, 2, 3} << QList<int>{1, 2, 3} << true
        << QStringList{"A", "B", ""} << QString();
    QTest::addRow("a missing miniature stops at its line and keeps the ones before complete")
        << 2 << QByteArray("A\r\nB\r\nC\r\n") << QList<int>{1, 2, 3} << QList<int>{1, 3} << false << QStringList{"A"}
        << QStringLiteral("m_tlo_2.bmp");
    QTest::addRow("a name with a quote and names over 30 characters are stored as written, cut to 30")
        << 1 << QByteArray("Stol O'Briena\n") + QByteArray(40, 'y') << QList<int>{1, 2} << QList<int>{1, 2} << true
        << QStringList{QStringLiteral("Stol O'Briena"), QString(30, QLatin1Char('y'))} << QString();
}

void TestImport::importTel()
{
    QFETCH(int, tlaPrzed);
    QFETCH(QByteArray, opis);
    QFETCH(QList<int>, pelne);
    QFETCH(QList<int>, male);
    QFETCH(bool, udane);
    QFETCH(QStringList, nazwy);
    QFETCH(QString, wSzczegolach);
    QTemporaryDir tmp;
    auto m = Magazyn(tmp.path(), 0, tlaPrzed);
    const QString folder = tmp.path() + QStringLiteral("/stoliki");
    ZrobTla(folder, opis, pelne, male);

    int dodane = -1;
    QString szczegoly;
    QCOMPARE(ImportujTlaZ(*m, folder + QStringLiteral("/stoliki.txt"), &dodane, &szczegoly), udane);
    QVERIFY2(szczegoly.contains(wSzczegolach), qPrintable(szczegoly));
    QCOMPARE(dodane, nazwy.size());

    const auto tla = m->Tla();
    QCOMPARE(tla.size(), tlaPrzed + nazwy.size());
    for (int k = 1; k <= nazwy.size(); ++k) {
        const auto &t = tla[tlaPrzed + k - 1];
        QCOMPARE(t.ID, tlaPrzed + k);
        QCOMPARE(t.Nazwa, nazwy[k - 1]);
        QCOMPARE(m->ObrazTla(t.ID, false), Czytaj(folder + QStringLiteral("/tlo_%1.bmp").arg(k)));
        QCOMPARE(m->ObrazTla(t.ID, true), Czytaj(folder + QStringLiteral("/m_tlo_%1.bmp").arg(k)));
    }
}

// The add-ons the build ships as samples import as they are.
void TestImport::dodatkiProgramu()
{
    const QString dodatki = TestSupport::programDir() + QStringLiteral("/dodatki");
    const QString talia = dodatki + QStringLiteral("/talia_bursztyn/talia.txt");
    const QString stoliki = dodatki + QStringLiteral("/stoliki_przyklad/stoliki.txt");
    if (!QFile::exists(talia) || !QFile::exists(stoliki))
        QSKIP("the sample add-ons have not been generated in this build");
    QTemporaryDir tmp;
    auto m = Magazyn(tmp.path(), 4, 2);
    // The samples are written in Windows-1250, as add-ons are.
    auto wiersze = [](const QString &plik) {
        QStringDecoder cp1250("windows-1250");
        return QString(cp1250.decode(Czytaj(plik))).split(QStringLiteral("\r\n"));
    };
    int n = 0, dodane = 0;
    QString szczegoly;
    QVERIFY2(ImportujTalieZ(*m, talia, &n, &szczegoly), qPrintable(szczegoly));
    QCOMPARE(n, 5);
    const QStringList opis = wiersze(talia);
    QCOMPARE(NazwyTalii(*m, 5), QStringList{opis.value(0)});
    QCOMPARE(NazwyKart(*m, 5), opis.mid(1, 24));
    QVERIFY(!QImage::fromData(m->Koszulka(5)).isNull());
    QVERIFY(!QImage::fromData(m->ObrazekKarty(24, 5, QStringLiteral("ObrazekBig"))).isNull());

    QVERIFY2(ImportujTlaZ(*m, stoliki, &dodane, &szczegoly), qPrintable(szczegoly));
    const QStringList nazwyTel = wiersze(stoliki);
    QCOMPARE(dodane, nazwyTel.size());
    const auto tla = m->Tla();
    for (int k = 1; k <= dodane; ++k) {
        QCOMPARE(tla[1 + k].Nazwa, nazwyTel[k - 1]);
        QVERIFY(!QImage::fromData(m->ObrazTla(2 + k, false)).isNull());
    }
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
