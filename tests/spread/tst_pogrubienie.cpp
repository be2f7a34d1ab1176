#include "spread/pogrubienie.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

class TstPogrubienie : public QObject
{
    Q_OBJECT
private slots:
    void pogrubione_data();
    void pogrubione();
    void zawinietyNaglowek();
    void szerokoscWedlugUrzadzenia();
    void wiersze_data();
    void wiersze();
};

namespace {

// For each paragraph, its bold characters in order (plain ones dropped).
QStringList PogrubionePoAkapitach(const QTextDocument &doc)
{
    QStringList wynik;
    for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
        QString gruby;
        for (auto it = blok.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().fontWeight() >= QFont::Bold)
                gruby += f.text();
        }
        wynik << gruby;
    }
    return wynik;
}

const QString DlugiNaglowek =
    QStringLiteral("[2] Ta pozycja mówi o tym, co osoba pytająca ukrywa przed innymi i przed samą sobą, "
                   "o lękach, które odsuwa od siebie, o nadziejach, których nie śmie wypowiedzieć na głos, "
                   "oraz o sprawach, jakie dopiero wyjdą na jaw w najbliższym czasie");

} // namespace

void TstPogrubienie::pogrubione_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("pogrubione"); // bold part of each paragraph

    QTest::addRow("title lines bold; description, names and meanings plain")
        << u"Opis układu.\r\n \r\n[1] Sygnifikator: Hagal\r\nZnaczenie pierwsze.\r\n\r\n[2] Przeszłość\r\nUr (Odw.)\r\nZnaczenie drugie.\r\n\r\n"_qs
        << QStringList{
               u""_qs, u""_qs, u"[1] Sygnifikator: Hagal"_qs, u""_qs, u""_qs, u"[2] Przeszłość"_qs, u""_qs, u""_qs,
               u""_qs, u""_qs};
    QTest::addRow("spread 15: the very first line is a title and bold")
        << u"[1] Co cię czeka\r\nFehu\r\nZnaczenie.\r\n\r\n"_qs
        << QStringList{u"[1] Co cię czeka"_qs, u""_qs, u""_qs, u""_qs, u""_qs};
    QTest::addRow("a meaning line with \"Sygnifikator\" is bold too")
        << u"[1] Sygnifikator: Ur\r\nTen Sygnifikator mówi wiele\r\n\r\n"_qs
        << QStringList{u"[1] Sygnifikator: Ur"_qs, u"Ten Sygnifikator mówi wiele"_qs, u""_qs, u""_qs};
    QTest::addRow("a meaning line holding \"[\" is bold whole, and the title it quotes finds it first")
        << u"Zobacz [3] Los niżej.\r\n[3] Los\r\nKarta\r\n"_qs
        << QStringList{u"Zobacz [3] Los niżej."_qs, u""_qs, u""_qs, u""_qs};
    QTest::addRow("an identical title line later stays plain")
        << u"[2] Ogień\r\nA\r\n[2] Ogień\r\nB\r\n"_qs << QStringList{u"[2] Ogień"_qs, u""_qs, u""_qs, u""_qs, u""_qs};
    QTest::addRow("lowercase \"sygnifikator\" is not a title")
        << u"sygnifikator bez nawiasu\n"_qs << QStringList{u""_qs, u""_qs};
    QTest::addRow("LF breaks work as CR LF")
        << u"Opis\n[4] Nagłówek\nNazwa\n"_qs << QStringList{u""_qs, u"[4] Nagłówek"_qs, u""_qs, u""_qs};
    QTest::addRow("empty text gives an empty document") << QString() << QStringList{u""_qs};
}

void TstPogrubienie::pogrubione()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, pogrubione);

    QTextDocument doc;
    // Leftover bold from an earlier printout must not survive.
    PogrubNaglowki(doc, u"[9] stary\r\n"_qs);
    PogrubNaglowki(doc, tekst);
    QCOMPARE(doc.toPlainText(), QString(tekst).replace(u"\r\n"_qs, u"\n"_qs));
    QCOMPARE(PogrubionePoAkapitach(doc), pogrubione);
    QCOMPARE(doc.defaultFont().pointSize(), 11);
}

void TstPogrubienie::zawinietyNaglowek()
{
    QTextDocument doc;
    PogrubNaglowki(doc, u"Opis\r\n"_qs + DlugiNaglowek + u"\r\nNazwa\r\n"_qs);

    const QTextBlock naglowek = doc.findBlockByNumber(1);
    QVERIFY2(naglowek.layout()->lineCount() >= 2, "the long heading should wrap");
    // Only the first display line (the one with "[") is bold: a prefix ending at
    // a word break; the wrapped rest stays plain. (Bold text is wider, so the
    // line is measured as it was laid out before the bold.)
    const QString gruby = PogrubionePoAkapitach(doc).value(1);
    QVERIFY(DlugiNaglowek.startsWith(gruby));
    QVERIFY(gruby.startsWith(u"[2] "_qs));
    QVERIFY(gruby.endsWith(QLatin1Char(' ')));
    QVERIFY2(gruby.size() < DlugiNaglowek.size() / 2, qPrintable(gruby));
    const QTextLine pierwsza = naglowek.layout()->lineAt(0);
    QVERIFY(gruby.size() >= pierwsza.textLength());
}

void TstPogrubienie::szerokoscWedlugUrzadzenia()
{
    QTextDocument ekranowy;
    PogrubNaglowki(ekranowy, DlugiNaglowek);

    QPrinter drukarka(QPrinter::HighResolution);
    QTextDocument drukowany;
    drukowany.documentLayout()->setPaintDevice(&drukarka);
    PogrubNaglowki(drukowany, DlugiNaglowek);

    QCOMPARE(drukowany.textWidth(), SzerokoscTekstuCale * drukarka.logicalDpiX());
    QVERIFY(drukowany.textWidth() > 2 * ekranowy.textWidth());
    // The same inches hold about the same words whatever the resolution.
    const int naEkranie = WierszeUlozone(ekranowy).size();
    const int naDrukarce = WierszeUlozone(drukowany).size();
    QVERIFY2(std::abs(naEkranie - naDrukarce) <= 1,
             qPrintable(QStringLiteral("%1 vs %2").arg(naEkranie).arg(naDrukarce)));
    QVERIFY(!PogrubionePoAkapitach(drukowany).value(0).isEmpty());
}

void TstPogrubienie::wiersze_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("wiersze");
    QTest::addRow("every break starts a line, an empty last line is not counted")
        << u"a\r\n\r\nb\r\n"_qs << QStringList{u"a"_qs, u""_qs, u"b"_qs};
    QTest::addRow("text without a final break keeps its last line") << u"a\r\nb"_qs << QStringList{u"a"_qs, u"b"_qs};
    QTest::addRow("two breaks at the end leave one empty line") << u"a\r\n\r\n"_qs << QStringList{u"a"_qs, u""_qs};
}

void TstPogrubienie::wiersze()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, wiersze);
    QTextDocument doc;
    PogrubNaglowki(doc, tekst);
    QCOMPARE(WierszeUlozone(doc), wiersze);

    // A long paragraph wraps into several lines that together give it back.
    PogrubNaglowki(doc, DlugiNaglowek);
    const QStringList zawiniete = WierszeUlozone(doc);
    QVERIFY(zawiniete.size() >= 2);
    QCOMPARE(zawiniete.join(QString()), DlugiNaglowek);
}

QTEST_MAIN(TstPogrubienie)
#include "tst_pogrubienie.moc"
