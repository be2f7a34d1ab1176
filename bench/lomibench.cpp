// Benchmark of the shipped program: each figure is the median of repeated
// runs, printed beside a floor measured in the same run (what Qt itself
// needs for the same job) and the target it must meet.
//
//   lomibench [--powtorzenia N] [--folder <program folder>] [--okno-gole <exe>]
#include "app/Program.h"
#include "app/komunikaty.h"
#include "print/Uwydruki.h"
#include "print/raport.h"
#include "settings/import.h"
#include "spread/ekran.h"
#include "spread/katalog.h"
#include "spread/losowanie.h"
#include "spread/pogrubienie.h"
#include "store/magazyn.h"
#include "store/schemat.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <random>
#include <thread>

namespace {

double terazMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

qint64 terazNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double mediana(QList<double> v)
{
    if (v.isEmpty())
        return qQNaN();
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double maksimum(const QList<double> &v)
{
    return v.isEmpty() ? qQNaN() : *std::max_element(v.begin(), v.end());
}

QString obciazenie()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

[[noreturn]] void przerwij(const QString &powod)
{
    std::fprintf(stderr, "lomibench: %s\n", qPrintable(powod));
    std::exit(2);
}

// One line of the table.
struct Wiersz
{
    QString nazwa;
    double wartosc;
    double podloga;
    QString jednostka;
    bool celWzgledny; // the target bounds the ratio, not the value
    double cel;
    QString uwaga;
};

QList<Wiersz> tabela;

void dodaj(const Wiersz &w)
{
    tabela << w;
    std::fprintf(stderr, "  %-52s %10.3f %s (podłoga %.3f)\n", qPrintable(w.nazwa), w.wartosc, qPrintable(w.jednostka),
                 w.podloga);
}

void drukujTabele()
{
    std::printf("\n%-54s %12s %12s %8s %10s %s\n", "figure", "median", "floor", "ratio", "target", "verdict");
    std::printf("%s\n", QByteArray(110, '-').constData());
    bool wszystko = true;
    for (const Wiersz &w : tabela) {
        const double stosunek = w.wartosc / w.podloga;
        const bool ok = w.celWzgledny ? stosunek <= w.cel : w.wartosc <= w.cel;
        wszystko = wszystko && ok;
        const QString cel =
            w.celWzgledny ? QStringLiteral("x %1").arg(w.cel) : QStringLiteral("%1 %2").arg(w.cel).arg(w.jednostka);
        std::printf("%-54s %9.3f %-2s %9.3f %-2s %8.2f %10s %s\n", qPrintable(w.nazwa), w.wartosc,
                    qPrintable(w.jednostka), w.podloga, qPrintable(w.jednostka), stosunek, qPrintable(cel),
                    ok ? "OK" : "MISS");
        if (!w.uwaga.isEmpty())
            std::printf("    %s\n", qPrintable(w.uwaga));
    }
    std::printf("%s\n", wszystko ? "all targets met" : "some targets missed");
}

// --------------------------------------------------------------- start-up

struct Start
{
    double ms = 0;     // launch to first paint
    double mainMs = 0; // main() to first paint
    double rssMb = 0;  // peak RSS at first paint
};

Start uruchom(const QString &program)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LOMI_POMIAR_STARTU"), QString::number(terazNs()));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, {});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        przerwij(QStringLiteral("%1 did not finish cleanly: %2")
                     .arg(program, QString::fromLocal8Bit(p.readAllStandardError())));
    const QString wyjscie = QString::fromLocal8Bit(p.readAllStandardOutput());
    const qsizetype i = wyjscie.indexOf(QStringLiteral("POMIAR_STARTU "));
    if (i < 0)
        przerwij(QStringLiteral("%1 printed no measurement: %2").arg(program, wyjscie));
    Start s;
    for (const QString &pole : wyjscie.mid(i).section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '))) {
        const QString klucz = pole.section(QLatin1Char('='), 0, 0), wartosc = pole.section(QLatin1Char('='), 1);
        if (klucz == QLatin1String("ms"))
            s.ms = wartosc.toDouble();
        else if (klucz == QLatin1String("main_ms"))
            s.mainMs = wartosc.toDouble();
        else if (klucz == QLatin1String("hwm_kb"))
            s.rssMb = wartosc.toDouble() / 1024.0;
    }
    return s;
}

void zmierzStart(const QString &lomi, const QString &gole, int n)
{
    std::fprintf(stderr, "start-up: %d runs each, alternating (load %s)\n", n, qPrintable(obciazenie()));
    uruchom(lomi); // page cache warm for both, not counted
    uruchom(gole);
    QList<double> msL, msG, mainL, mainG, rssL, rssG;
    for (int i = 0; i < n; ++i) {
        const Start l = uruchom(lomi);
        const Start g = uruchom(gole);
        msL << l.ms, mainL << l.mainMs, rssL << l.rssMb;
        msG << g.ms, mainG << g.mainMs, rssG << g.rssMb;
    }
    dodaj({QStringLiteral("start: process start -> first paint (offscreen)"), mediana(msL), mediana(msG),
           QStringLiteral("ms"), true, 1.3,
           QStringLiteral("of which main() -> first paint: %1 ms (bare window %2 ms)")
               .arg(mediana(mainL), 0, 'f', 1)
               .arg(mediana(mainG), 0, 'f', 1)});
    dodaj({QStringLiteral("start: peak RSS at first paint"),
           mediana(rssL),
           mediana(rssG),
           QStringLiteral("MB"),
           true,
           1.5,
           {}});
}

// --------------------------------------------------------------- in the program

void zmierzKarte(TForm1 &f, int szerokosc, int n)
{
    UstawSzerokoscEkranu(szerokosc);
    std::mt19937 gen(20240601);
    LosujKarty(f.Pozycje, gen);
    f.AktualnaTalia = 1;
    f.AktualnyUklad = 10;
    f.UstawPozycje(10);
    f.UstawEtykiety();
    QList<double> czasy, podloga;
    QString kolumna;
    for (int r = 0; r < n; ++r) {
        for (int p = 1; p <= LiczbaKart(10); ++p) {
            double t = terazMs();
            f.PokazKarte(p);
            czasy << terazMs() - t;
            kolumna = f.KolumnaObrazka;
            const QByteArray bajty = f.Magazyn().ObrazekKarty(f.Pozycje[p].NrKarty, f.AktualnaTalia, kolumna);
            t = terazMs();
            const QImage obraz = QImage::fromData(bajty, "BMP");
            podloga << terazMs() - t;
            if (obraz.isNull())
                przerwij(QStringLiteral("card %1 has no picture in %2").arg(f.Pozycje[p].NrKarty).arg(kolumna));
            QCoreApplication::processEvents(); // the paint a deal would do, not counted
        }
    }
    UstawSzerokoscEkranu(0);
    dodaj({QStringLiteral("PokazKarte(p), screen %1 px (%2)").arg(szerokosc).arg(kolumna), mediana(czasy),
           mediana(podloga), QStringLiteral("ms"), false, 0.5,
           QStringLiteral("floor: QImage::fromData of the same BMP bytes; %1 calls").arg(czasy.size())});
}

void zmierzInterpretacje(TForm1 &f, int n)
{
    std::mt19937 gen(7);
    LosujKarty(f.Pozycje, gen);
    f.AktualnaTalia = 1;
    f.AktualnyUklad = 10;
    f.OdswiezNazwyKart();
    // Floor: the same 21 lookups with plain prepared statements, the text
    // joined the same way, no text area.
    QSqlQuery naglowek(f.Magazyn().Baza()), znaczenie(f.Magazyn().Baza());
    naglowek.setForwardOnly(true);
    znaczenie.setForwardOnly(true);
    if (!naglowek.prepare(QStringLiteral("select Opis from Karty where NrUkladu=? and NrKarty=?"))
        || !znaczenie.prepare(QStringLiteral("select opis from pary where NrPierwszej=? and Czy1wszaOdwrocona=? "
                                             "and NrDrugiej=? and Czy2gaOdwrocona=?")))
        przerwij(naglowek.lastError().text() + znaczenie.lastError().text());
    QList<double> czasy, podloga;
    for (int r = 0; r < n; ++r) {
        double t = terazMs();
        f.Interpretacja();
        czasy << terazMs() - t;
        QCoreApplication::processEvents();

        t = terazMs();
        QString tekst = OpisUkladu(10);
        for (int k = 1; k <= LiczbaKart(10); ++k) {
            if (k > 1) {
                naglowek.bindValue(0, 10);
                naglowek.bindValue(1, k - 1);
                naglowek.exec();
                if (naglowek.next())
                    tekst += naglowek.value(0).toString();
                naglowek.finish();
            }
            tekst += f.NazwyKart[size_t(k)];
            znaczenie.bindValue(0, f.Pozycje[k].NrKarty);
            znaczenie.bindValue(1, f.Pozycje[k].Odwrocona);
            znaczenie.bindValue(2, 99999);
            znaczenie.bindValue(3, false);
            znaczenie.exec();
            if (znaczenie.next())
                tekst += znaczenie.value(0).toString();
            znaczenie.finish();
        }
        podloga << terazMs() - t;
        if (tekst.size() < 100)
            przerwij(QStringLiteral("floor interpretation came out empty"));
    }
    if (f.Memo1->toPlainText().size() < 100)
        przerwij(QStringLiteral("Interpretacja wrote nothing"));
    dodaj({QStringLiteral("Interpretacja, spread 10 (11 cards)"), mediana(czasy), mediana(podloga),
           QStringLiteral("ms"), false, 5.0,
           QStringLiteral("floor: the same 21 lookups with plain QSqlQuery, no text area")});
}

void zmierzWydruk(TForm1 &f, int n)
{
    TFWydruki *w = f.Okna().Wydruki;
    if (!w)
        przerwij(QStringLiteral("no printout window"));
    QTemporaryDir tmp;
    QPrinter &drukarka = w->Drukarka();
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(tmp.filePath(QStringLiteral("wydruk.pdf")));
    // Spread 10's interpretation, continued by the reader's notes (the text
    // again) until the reading takes three pages.
    f.Interpretacja();
    const QString jeden = f.Memo1->toPlainText();
    int strony = 0;
    for (int i = 0; i < 8; ++i) {
        f.PrzygotujWydruk();
        strony = PoliczStrony(drukarka, w->QuickRep1);
        if (strony >= 3)
            break;
        f.Memo1->setPlainText(f.Memo1->toPlainText() + QStringLiteral("\n") + jeden);
    }
    if (strony != 3)
        przerwij(QStringLiteral("could not make a three-page reading (%1 pages)").arg(strony));
    const QString tekst = f.Memo1->toPlainText();

    QPrinter goly(QPrinter::HighResolution);
    goly.setOutputFormat(QPrinter::PdfFormat);
    goly.setOutputFileName(tmp.filePath(QStringLiteral("goly.pdf")));
    UstawStrone(goly);
    QList<double> czasy, podloga;
    for (int r = 0; r < n; ++r) {
        double t = terazMs();
        f.PrzygotujWydruk();
        const int wydrukowane = w->Drukuj();
        czasy << terazMs() - t;
        if (wydrukowane != 3)
            przerwij(QStringLiteral("printed %1 pages, not 3").arg(wydrukowane));

        t = terazMs();
        QTextDocument doc;
        doc.setDefaultFont(CzcionkaWydruku());
        doc.setPlainText(tekst);
        doc.print(&goly);
        podloga << terazMs() - t;
    }
    if (QFileInfo(drukarka.outputFileName()).size() < 1000)
        przerwij(QStringLiteral("no PDF written"));
    dodaj({QStringLiteral("PrzygotujWydruk + three-page reading to PDF"), mediana(czasy), mediana(podloga),
           QStringLiteral("ms"), false, 200.0,
           QStringLiteral("floor: QTextDocument::print of the same text to PDF (%1 characters)").arg(tekst.size())});
}

// The floor of the import: the same files read and stored with plain
// statements in one transaction.
void importGoly(const QString &plikBazy, const QString &folder)
{
    const QString nazwa = QStringLiteral("lomibench-goly");
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        b.setDatabaseName(plikBazy);
        if (!b.open())
            przerwij(b.lastError().text());
        auto czytaj = [&](const QString &plik) {
            QFile f(folder + plik);
            if (!f.open(QIODevice::ReadOnly))
                przerwij(QStringLiteral("cannot read %1").arg(f.fileName()));
            return f.readAll();
        };
        QFile opis(folder + QStringLiteral("talia.txt"));
        opis.open(QIODevice::ReadOnly);
        const QList<QByteArray> wiersze = opis.readAll().split('\n');
        b.transaction();
        QSqlQuery q(b);
        q.prepare(QStringLiteral("insert into kartygraf (ID, NrKarty, NumerTalii, NazwaTalii, NazwaKarty, Obrazek800, "
                                 "Obrazek1024, ObrazekBig, ObrazekMaly) values (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const int n = 99;
        for (int k = 1; k <= 24; ++k) {
            const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
            q.addBindValue(24 * n + k);
            q.addBindValue(k);
            q.addBindValue(n);
            q.addBindValue(QString::fromLatin1(wiersze.value(0).trimmed()));
            q.addBindValue(QString::fromLatin1(wiersze.value(k).trimmed()));
            q.addBindValue(czytaj(nn + QStringLiteral("_1 kopia.bmp")));
            q.addBindValue(czytaj(nn + QStringLiteral("_2 kopia.bmp")));
            q.addBindValue(czytaj(nn + QStringLiteral("_3 kopia.bmp")));
            q.addBindValue(czytaj(nn + QStringLiteral(".bmp")));
            if (!q.exec())
                przerwij(q.lastError().text());
        }
        q.prepare(QStringLiteral("insert into koszulki (NumerTalii, Koszulka) values (?, ?)"));
        q.addBindValue(n);
        q.addBindValue(czytaj(QStringLiteral("koszulka.bmp")));
        if (!q.exec())
            przerwij(q.lastError().text());
        b.commit();
        b.close();
    }
    QSqlDatabase::removeDatabase(nazwa);
}

void zmierzImport(const QString &folderProgramu, int n)
{
    const QString magazyn = folderProgramu + QStringLiteral("/Data/") + QLatin1String(Schemat::PlikMagazynu);
    const QString opis = folderProgramu + QStringLiteral("/dodatki/talia_bursztyn/talia.txt");
    if (!QFileInfo::exists(opis))
        przerwij(QStringLiteral("no sample deck at %1").arg(opis));
    QList<double> czasy, podloga;
    for (int r = 0; r < n; ++r) {
        QTemporaryDir tmp;
        const QString kopia = tmp.filePath(QLatin1String(Schemat::PlikMagazynu));
        const QString kopiaGola = tmp.filePath(QStringLiteral("goly.db"));
        if (!QFile::copy(magazyn, kopia) || !QFile::copy(magazyn, kopiaGola))
            przerwij(QStringLiteral("cannot copy the store into %1").arg(tmp.path()));
        QString blad;
        auto m = MagazynKart::Otworz(tmp.path() + QLatin1Char('/'), &blad);
        if (!m)
            przerwij(blad);
        double t = terazMs();
        int numer = 0;
        const bool ok = ImportujTalieZ(*m, opis, &numer, &blad);
        czasy << terazMs() - t;
        if (!ok)
            przerwij(QStringLiteral("import failed: %1").arg(blad));
        if (m->Ikonki(numer).size() != 24)
            przerwij(QStringLiteral("imported deck %1 lacks cards").arg(numer));
        m.reset();

        t = terazMs();
        importGoly(kopiaGola, QFileInfo(opis).absolutePath() + QLatin1Char('/'));
        podloga << terazMs() - t;
    }
    dodaj({QStringLiteral("deck import, 24 cards (talia_bursztyn)"), mediana(czasy), mediana(podloga),
           QStringLiteral("ms"), false, 500.0,
           QStringLiteral("floor: the same files stored with plain inserts in one transaction")});
}

// Latency of posted events: a helper thread posts an event every few
// milliseconds, stamped with the time it was posted; the main thread notes
// how long it waited.
class Odbiornik : public QObject
{
public:
    static inline const QEvent::Type Typ = QEvent::Type(QEvent::registerEventType());
    struct Zdarzenie : QEvent
    {
        explicit Zdarzenie(double t) : QEvent(Typ), wyslane(t) {}
        double wyslane;
    };
    QList<double> opoznienia;

    bool event(QEvent *e) override
    {
        if (e->type() != Typ)
            return QObject::event(e);
        opoznienia << terazMs() - static_cast<Zdarzenie *>(e)->wyslane;
        return true;
    }
};

template <typename F> QList<double> opoznieniaPodczas(F &&praca)
{
    Odbiornik odbiornik;
    std::atomic<bool> stop{false};
    std::thread nadawca([&] {
        std::mt19937 gen(3);
        std::uniform_int_distribution<int> odstep(1000, 6000); // microseconds
        while (!stop.load()) {
            std::this_thread::sleep_for(std::chrono::microseconds(odstep(gen)));
            QCoreApplication::postEvent(&odbiornik, new Odbiornik::Zdarzenie(terazMs()));
        }
    });
    praca();
    stop = true;
    nadawca.join();
    QCoreApplication::sendPostedEvents(&odbiornik);
    return odbiornik.opoznienia;
}

void zmierzOdpowiedz(TForm1 &f, int rozdania)
{
    f.UlozenieLosowo = true;
    f.NastUklad = 10;
    f.Talia = 1;
    QList<double> czasy, podloga;
    for (int r = 0; r < rozdania; ++r) {
        czasy << opoznieniaPodczas([&] { f.NowyRozklad(); });
        podloga << opoznieniaPodczas([] {
            QEventLoop petla;
            QTimer::singleShot(1500, &petla, &QEventLoop::quit);
            petla.exec();
        });
    }
    if (czasy.size() < 100)
        przerwij(QStringLiteral("too few events during the deal"));
    const QString uwaga =
        QStringLiteral("%1 events posted during %2 deals of spread 10 (11 x Czekaj(0.5)); floor: an idle event loop")
            .arg(czasy.size())
            .arg(rozdania);
    dodaj({QStringLiteral("deal: posted event latency, median"), mediana(czasy), mediana(podloga), QStringLiteral("ms"),
           false, 20.0, uwaga});
    dodaj({QStringLiteral("deal: posted event latency, worst"),
           maksimum(czasy),
           maksimum(podloga),
           QStringLiteral("ms"),
           false,
           20.0,
           {}});
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString folder = QStringLiteral(LOMI_PROGRAM_DIR);
    QString gole = QStringLiteral(LOMI_OKNO_GOLE);
    int n = 10;
    QStringList tylko;
    const QStringList arg = app.arguments();
    for (int i = 1; i < arg.size(); ++i) {
        if (arg[i] == QLatin1String("--powtorzenia") && i + 1 < arg.size())
            n = qMax(1, arg[++i].toInt());
        else if (arg[i] == QLatin1String("--folder") && i + 1 < arg.size())
            folder = arg[++i];
        else if (arg[i] == QLatin1String("--okno-gole") && i + 1 < arg.size())
            gole = arg[++i];
        else if (arg[i] == QLatin1String("--tylko") && i + 1 < arg.size())
            tylko = arg[++i].split(QLatin1Char(','));
        else
            przerwij(QStringLiteral("usage: lomibench [--powtorzenia N] [--folder DIR] [--okno-gole EXE] "
                                    "[--tylko start,karta,interpretacja,wydruk,import,rozdanie]"));
    }
    auto wybrane = [&](const char *co) { return tylko.isEmpty() || tylko.contains(QLatin1String(co)); };
    const QString poczatek = obciazenie();

    if (wybrane("start"))
        zmierzStart(folder + QStringLiteral("/lomi"), gole, n);

    if (wybrane("karta") || wybrane("interpretacja") || wybrane("wydruk") || wybrane("rozdanie")) {
        UstawOdbiorceKomunikatow([](const QString &t, const QString &s) { przerwij(t + QLatin1Char(' ') + s); });
        TProgram program;
        QString blad;
        if (!program.Uruchom(folder, &blad))
            przerwij(blad);
        TForm1 &f = *program.Form1();
        QCoreApplication::processEvents();
        std::fprintf(stderr, "in the program (load %s)\n", qPrintable(obciazenie()));
        if (wybrane("karta")) {
            zmierzKarte(f, 800, qMax(n, 10));
            zmierzKarte(f, 1024, qMax(n, 10));
        }
        if (wybrane("interpretacja"))
            zmierzInterpretacje(f, qMax(n, 10) * 2);
        if (wybrane("wydruk"))
            zmierzWydruk(f, qMax(n, 10));
        if (wybrane("rozdanie"))
            zmierzOdpowiedz(f, 2);
    }
    if (wybrane("import"))
        zmierzImport(folder, qMax(n, 10));

    drukujTabele();
    std::printf("load average (1, 5, 15 min): %s at start, %s at end; 2 cores shared\n", qPrintable(poczatek),
                qPrintable(obciazenie()));
    return 0;
}
