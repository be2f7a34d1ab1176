#include "files/DialogWyboruPliku.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs krok on the modal window of type T once it is open (the dialogs block
// in exec(), so the test acts from the event loop).
template <typename T> void GdyOtwarte(std::function<void(T *)> krok)
{
    auto *zegar = new QTimer;
    QObject::connect(zegar, &QTimer::timeout, [zegar, krok] {
        if (auto *okno = qobject_cast<T *>(QApplication::activeModalWidget())) {
            zegar->stop();
            zegar->deleteLater();
            krok(okno);
        }
    });
    zegar->start(10);
}

void Wpisz(QFileDialog *dialog, const QString &nazwa)
{
    auto *pole = dialog->findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(pole);
    pole->setText(nazwa);
}

// As the OK button does; accept() is protected in QFileDialog.
void Przyjmij(QFileDialog *dialog)
{
    static_cast<QDialog *>(dialog)->accept();
}

void Utworz(const QString &sciezka)
{
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestWyborPliku : public QObject
{
    Q_OBJECT

private slots:
    void zapisDopisujeRozszerzenie();
    void zapisPytaOZastapienieIstniejacego();
    void odczytPrzyjmujeTylkoIstniejacyPlik();
    void odczytProponujeNazweUkladu();
    void dowolnyPlikNieMaFiltra();
    void anulowanieDajePustaNazwe();

private:
    DialogWyboruPliku wybor_;
};

void TestWyborPliku::zapisDopisujeRozszerzenie()
{
    QTemporaryDir dir;
    QStringList filtry;
    QString proponowana, rozszerzenie;
    bool zapis = false;
    GdyOtwarte<QFileDialog>([&](QFileDialog *d) {
        filtry = d->nameFilters();
        proponowana = d->findChild<QLineEdit *>("fileNameEdit")->text();
        rozszerzenie = d->defaultSuffix();
        zapis = d->acceptMode() == QFileDialog::AcceptSave;
        Wpisz(d, "moj uklad");
        Przyjmij(d);
    });
    const QString wynik = wybor_.PlikDoZapisu(nullptr, FiltrUkladow, NazwaPlikuUkladu, RozszerzenieUkladu, dir.path());

    QCOMPARE(filtry, QStringList{"Pliki układów programu Kivel (*.rzk)"});
    QCOMPARE(proponowana, QStringLiteral("uklad.rzk"));
    QCOMPARE(rozszerzenie, QStringLiteral("rzk"));
    QVERIFY(zapis);
    QCOMPARE(wynik, QDir(dir.path()).filePath("moj uklad.rzk"));
}

void TestWyborPliku::zapisPytaOZastapienieIstniejacego()
{
    QTemporaryDir dir;
    Utworz(dir.filePath("uklad.txt"));
    int pytania = 0;
    GdyOtwarte<QFileDialog>([&](QFileDialog *d) {
        // First answer No: the dialog stays open; then Yes.
        GdyOtwarte<QMessageBox>([&, d](QMessageBox *pytanie) {
            ++pytania;
            pytanie->button(QMessageBox::No)->click();
            GdyOtwarte<QMessageBox>([&](QMessageBox *drugie) {
                ++pytania;
                drugie->button(QMessageBox::Yes)->click();
            });
            QTimer::singleShot(0, d, [d] {
                QVERIFY(d->isVisible());
                Przyjmij(d);
            });
        });
        Przyjmij(d);
    });
    const QString wynik = wybor_.PlikDoZapisu(nullptr, FiltrTekstow, NazwaPlikuTekstu, RozszerzenieTekstu, dir.path());
    QCOMPARE(pytania, 2);
    QCOMPARE(wynik, dir.filePath("uklad.txt"));
}

void TestWyborPliku::odczytPrzyjmujeTylkoIstniejacyPlik()
{
    QTemporaryDir dir;
    Utworz(dir.filePath("zapisany.rzk"));
    bool ostrzezenie = false;
    GdyOtwarte<QFileDialog>([&](QFileDialog *d) {
        QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(d->nameFilters(), QStringList{FiltrUkladow});
        GdyOtwarte<QMessageBox>([&, d](QMessageBox *brak) {
            ostrzezenie = true;
            brak->accept();
            QTimer::singleShot(0, d, [d] {
                QVERIFY(d->isVisible());
                Wpisz(d, "zapisany.rzk");
                Przyjmij(d);
            });
        });
        Wpisz(d, "nie ma takiego.rzk");
        Przyjmij(d);
    });
    const QString wynik = wybor_.PlikDoOdczytu(nullptr, FiltrUkladow, NazwaPlikuUkladu, dir.path());
    QVERIFY(ostrzezenie);
    QCOMPARE(wynik, dir.filePath("zapisany.rzk"));
}

void TestWyborPliku::odczytProponujeNazweUkladu()
{
    // The open dialog stands ready on "uklad.rzk", as the save dialog does:
    // accepted as it comes, it opens that file.
    QTemporaryDir dir;
    Utworz(dir.filePath("uklad.rzk"));
    Utworz(dir.filePath("inny.rzk"));
    QString pole;
    GdyOtwarte<QFileDialog>([&](QFileDialog *d) {
        if (auto *edycja = d->findChild<QLineEdit *>("fileNameEdit"))
            pole = edycja->text();
        Przyjmij(d);
    });
    QCOMPARE(wybor_.PlikDoOdczytu(nullptr, FiltrUkladow, NazwaPlikuUkladu, dir.path()), dir.filePath("uklad.rzk"));
    QCOMPARE(pole, QString("uklad.rzk"));
}

void TestWyborPliku::dowolnyPlikNieMaFiltra()
{
    QTemporaryDir dir;
    Utworz(dir.filePath("talia.opis"));
    QStringList filtry;
    GdyOtwarte<QFileDialog>([&](QFileDialog *d) {
        filtry = d->nameFilters();
        Wpisz(d, "talia.opis");
        Przyjmij(d);
    });
    QCOMPARE(wybor_.DowolnyPlik(nullptr, dir.path()), dir.filePath("talia.opis"));
    QVERIFY(!filtry.join(' ').contains("*.rzk"));
    QVERIFY(!filtry.join(' ').contains("*.txt"));
}

void TestWyborPliku::anulowanieDajePustaNazwe()
{
    QTemporaryDir dir;
    GdyOtwarte<QFileDialog>([](QFileDialog *d) { d->reject(); });
    QCOMPARE(wybor_.PlikDoZapisu(nullptr, FiltrUkladow, NazwaPlikuUkladu, RozszerzenieUkladu, dir.path()), QString());
    GdyOtwarte<QFileDialog>([](QFileDialog *d) { d->reject(); });
    QCOMPARE(wybor_.PlikDoOdczytu(nullptr, FiltrUkladow, NazwaPlikuUkladu, dir.path()), QString());
}

QTEST_MAIN(TestWyborPliku)
#include "tst_okno_wyborpliku.moc"
