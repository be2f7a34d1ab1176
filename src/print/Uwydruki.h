#pragma once
#include "print/raport.h"

#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include <array>
#include <memory>

// The printout window: never shown, it only holds the report of the last
// print preparation and prints or previews it.
class TFWydruki : public QWidget
{
    Q_OBJECT
public:
    explicit TFWydruki(QWidget *rodzic = nullptr);

    // The report and its element tables, positions 1..15.
    Raport QuickRep1;
    std::array<ObrazWydruku, 16> &ObrazyWydruku = QuickRep1.elementy.ObrazyWydruku;
    std::array<EtykietaWydruku, 16> &NazwyWydruku = QuickRep1.elementy.NazwyWydruku;
    std::array<EtykietaWydruku, 16> &NumeryWydruku = QuickRep1.elementy.NumeryWydruku;

    // The printer chosen last (a PDF file while no printer is installed).
    // Made on first use: a printer loads the system's print support, which
    // the start-up need not wait for.
    QPrinter &Drukarka();

    // Resets the title band and lays it out for spread uklad; clears every picture.
    void UstawWydruk(int uklad, const std::array<QString, 16> &nazwyKart);

    // Fills the report anew from the spread on the table, laid out for Drukarka().
    void Przygotuj(const DaneWydruku &dane);

    // The printer setup dialog, offering one copy of all pages each time; a
    // page range and copies chosen there are printed as chosen.
    // false when cancelled (nothing changes then).
    // A print to file without a usable file name goes to <folderZapisu>/wydruk.pdf.
    bool WybierzDrukarke(QWidget *rodzic, const QString &folderZapisu);

    // Prints the prepared report; returns the number of pages. A printer or
    // file that cannot be opened throws std::runtime_error with the reason.
    int Drukuj(QPrinter &naDrukarce);
    int Drukuj() { return Drukuj(Drukarka()); }

    // Shows the prepared report in a preview window; returns when it is closed.
    // Printing from there prints the same report.
    void Podglad(QWidget *rodzic, const QString &folderZapisu = QString());

private:
    static void ZacznijOdNowa(QPrinter &p);
    std::unique_ptr<QPrinter> drukarka;
    QTextDocument tekst;
};
