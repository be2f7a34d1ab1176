#include "print/Uwydruki.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

DaneWydruku Odczyt(int uklad, int wiersze)
{
    DaneWydruku d;
    d.uklad = uklad;
    for (int p = 1; p <= 15; ++p) {
        d.nazwyKart[size_t(p)] = QStringLiteral("Runa%1").arg(p);
        QImage obraz(20, 30, QImage::Format_RGB32);
        obraz.fill(Qt::darkGreen);
        d.obrazy[size_t(p)] = obraz;
    }
    d.tytulTalii = QStringLiteral("Talia próbna");
    QStringList tekst;
    for (int i = 1; i <= wiersze; ++i)
        tekst << QStringLiteral("[%1] wiersz").arg(i);
    d.interpretacja = tekst.join(QStringLiteral("\r\n"));
    return d;
}

// Runs akcja on the first modal dialog of type T once it is open.
template <typename T> void GdyOtwarty(std::function<void(T *)> akcja)
{
    QTimer::singleShot(50, [akcja] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<T *>(w); d && d->isVisible()) {
                akcja(d);
                return;
            }
        }
        GdyOtwarty<T>(akcja);
    });
}

} // namespace

class TestOknoWydruki : public QObject
{
    Q_OBJECT
private slots:
    void podgladPokazujeTenSamRaport();
    void drukNaPlikBezNazwyTrafiaDoZapisu();
    void anulowanieDrukarkiNicNieZmienia();
    void dialogZaczynaOdJednejKopiiWszystkichStron();
};

void TestOknoWydruki::podgladPokazujeTenSamRaport()
{
    TFWydruki okno;
    okno.Przygotuj(Odczyt(10, 100));
    QCOMPARE(okno.ObrazyWydruku[11].miejsce, QPoint(247, 203));
    QCOMPARE(okno.NazwyWydruku[11].tekst, QStringLiteral("Runa11"));
    QVERIFY(okno.NazwyWydruku[12].tekst.isEmpty());
    const QString znak = okno.QuickRep1.znakStron;
    int strony = -1;
    GdyOtwarty<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        if (auto *w = d->findChild<QPrintPreviewWidget *>())
            strony = w->pageCount();
        d->reject();
    });
    okno.Podglad(nullptr);
    QCOMPARE(QStringLiteral("/ %1").arg(strony), znak);
    QVERIFY(strony >= 2);
}

void TestOknoWydruki::drukNaPlikBezNazwyTrafiaDoZapisu()
{
    QTemporaryDir katalog;
    TFWydruki okno;
    okno.Drukarka().setOutputFormat(QPrinter::PdfFormat);
    GdyOtwarty<QPrintDialog>([](QPrintDialog *d) { d->accept(); });
    QVERIFY(okno.WybierzDrukarke(nullptr, katalog.path()));
    const QString plik = katalog.filePath(QStringLiteral("wydruk.pdf"));
    QCOMPARE(okno.Drukarka().outputFileName(), plik);
    okno.Przygotuj(Odczyt(2, 10));
    QCOMPARE(okno.Drukuj(), 1);
    QFile pdf(plik);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");

    okno.Drukarka().setOutputFileName(katalog.filePath(QStringLiteral("brak/wydruk.pdf")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, okno.Drukuj());
}

void TestOknoWydruki::anulowanieDrukarkiNicNieZmienia()
{
    QTemporaryDir katalog;
    TFWydruki okno;
    okno.Przygotuj(Odczyt(2, 10));
    const QString przed = okno.Drukarka().outputFileName();
    GdyOtwarty<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    QVERIFY(!okno.WybierzDrukarke(nullptr, katalog.path()));
    QCOMPARE(okno.Drukarka().outputFileName(), przed);
    QCOMPARE(okno.QuickRep1.tytul, QStringLiteral("Rozkład \"Trzy karty\""));
    QVERIFY(!QFile::exists(katalog.filePath(QStringLiteral("wydruk.pdf"))));
}

// Copies and a page range chosen for one print are not carried over unseen to
// the next; what the dialog offers, the printout honours.
void TestOknoWydruki::dialogZaczynaOdJednejKopiiWszystkichStron()
{
    QTemporaryDir katalog;
    TFWydruki okno;
    okno.Drukarka().setOutputFormat(QPrinter::PdfFormat);
    okno.Drukarka().setOutputFileName(katalog.filePath(QStringLiteral("a.pdf")));
    okno.Drukarka().setCopyCount(3);
    okno.Drukarka().setPrintRange(QPrinter::PageRange);
    okno.Drukarka().setFromTo(2, 2);
    int kopie = -1;
    bool zakres = false, zaznaczenie = true, biezaca = true;
    QPrinter::PrintRange wybor = QPrinter::PageRange;
    GdyOtwarty<QPrintDialog>([&](QPrintDialog *d) {
        kopie = d->printer()->copyCount();
        wybor = d->printer()->printRange();
        zakres = d->testOption(QAbstractPrintDialog::PrintPageRange);
        zaznaczenie = d->testOption(QAbstractPrintDialog::PrintSelection);
        biezaca = d->testOption(QAbstractPrintDialog::PrintCurrentPage);
        d->accept();
    });
    QVERIFY(okno.WybierzDrukarke(nullptr, katalog.path()));
    QCOMPARE(kopie, 1);
    QCOMPARE(wybor, QPrinter::AllPages);
    QVERIFY(zakres);
    QVERIFY(!zaznaczenie);
    QVERIFY(!biezaca);
    QCOMPARE(okno.Drukarka().copyCount(), 1);
    okno.Przygotuj(Odczyt(10, 100));
    const int wszystkie = okno.Drukuj();
    QVERIFY(wszystkie >= 2);

    // A range chosen there is printed as chosen; one beyond the printout is an error, not a blank success.
    okno.Drukarka().setPrintRange(QPrinter::PageRange);
    okno.Drukarka().setFromTo(2, 2);
    QCOMPARE(okno.Drukuj(), 1);
    okno.Drukarka().setFromTo(wszystkie + 1, wszystkie + 1);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, okno.Drukuj());

    // The preview always shows every page.
    int podglad = -1;
    GdyOtwarty<QPrintPreviewDialog>([&](QPrintPreviewDialog *d) {
        if (auto *w = d->findChild<QPrintPreviewWidget *>())
            podglad = w->pageCount();
        d->reject();
    });
    okno.Podglad(nullptr);
    QCOMPARE(podglad, wszystkie);
}

QTEST_MAIN(TestOknoWydruki)
#include "tst_okno_wydruki.moc"
