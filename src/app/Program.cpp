#include "app/Program.h"

#include "app/Ankieta.h"
#include "app/ProbaUzytkownika.h"
#include "app/UAbout.h"
#include "app/USplash.h"
#include "app/komunikaty.h"
#include "app/pomiarstartu.h"
#include "description/UPowieksz.h"
#include "files/DialogWyboruPliku.h"
#include "files/plikukladu.h"
#include "manual/UReczneMA.h"
#include "print/Uwydruki.h"
#include "settings/UUstawienia.h"
#include "spread/UAdd.h"
#include "store/magazyn.h"
#include "store/magazynuzytkownika.h"
#include "store/schemat.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>

TProgram::TProgram() = default;

TProgram::~TProgram()
{
    // Windows before the store their queries belong to.
    delete m_okna.Ankieta;
    delete m_okna.Add;
    delete m_okna.About;
    delete m_okna.Wydruki;
    delete m_okna.Powieksz;
    delete m_okna.ReczneMA;
    delete m_okna.Ustawienia;
    m_form1.reset();
    m_magazyn.reset();
}

bool TProgram::Uruchom(const QString &katalogProgramu, QString *blad)
{
    auto splash = std::make_unique<TFSplash>();
    splash->show();
    splash->Label1->repaint();
    QApplication::setApplicationName(QStringLiteral("Lomi"));
    // No display name: the desktop would append " — Lomi" to every dialog's
    // caption. The title "Lomi" of message boxes is set where they are made.
    try {
        m_form1 = std::make_unique<TForm1>(katalogProgramu);
        const FolderyProgramu foldery = m_form1->Foldery();
        QString folderMagazynu = foldery.FolderMagazynu();
        if (!foldery.Przenosny()) {
            m_ostrzezenie = UtworzFolderyUzytkownika(foldery);
            QString bladKopii;
            if (!PrzygotujMagazynUzytkownika(foldery.FolderMagazynuWysylanego(), folderMagazynu, &bladKopii)) {
                // A store of the user's own holds the imports: reported, never replaced.
                if (QFileInfo::exists(folderMagazynu + QLatin1String(Schemat::PlikMagazynu)))
                    throw BladMagazynu(bladKopii);
                // No room for a copy: the shipped store still deals and reads spreads.
                folderMagazynu = foldery.FolderMagazynuWysylanego();
                if (m_ostrzezenie.isEmpty())
                    m_ostrzezenie = bladKopii;
            }
        }
        QString bladMagazynu;
        m_magazyn = MagazynKart::Otworz(folderMagazynu, &bladMagazynu);
        if (!m_magazyn)
            throw BladMagazynu(bladMagazynu);
        m_form1->PolaczMagazyn(m_magazyn.get());
        m_wybor = std::make_unique<DialogWyboruPliku>();
        m_form1->UstawWyborPliku(m_wybor.get());
        m_okna.Ustawienia = new TFUstawienia(*m_form1, *m_magazyn, *m_wybor, m_form1.get());
        m_okna.ReczneMA = new TFReczneMA(*m_form1, *m_okna.Ustawienia, *m_magazyn, m_form1.get());
        m_okna.Powieksz = new TFPowieksz(*m_form1, *m_magazyn, m_form1.get());
        m_okna.Wydruki = new TFWydruki();
        m_okna.About = new TFAbout(m_form1.get());
        m_okna.Add = new TFAdd();
        m_okna.Ankieta = new TFormAnkieta(m_form1.get());
        m_okna.Ankieta->Dokument = foldery.Ankieta();
        m_form1->PolaczOkna(m_okna);

        // Warm-up: each lookup once, so the first real one does not wait.
        MagazynKart &m = *m_magazyn;
        splash->Gauge(1, 10);
        m.Query1.UstawParametr(QStringLiteral("NrKarty"), 1);
        m.Query1.UstawParametr(QStringLiteral("Talia"), 1);
        splash->Gauge(10, 20);
        m.Query1.Otworz();
        splash->Gauge(20, 35);
        m.Query1.Zamknij();
        m.Query2.UstawParametr(QStringLiteral("Pierwsza"), 1);
        m.Query2.UstawParametr(QStringLiteral("Druga"), 2);
        m.Query2.UstawParametr(QStringLiteral("Czy1Odwr"), false);
        m.Query2.UstawParametr(QStringLiteral("Czy2Odwr"), false);
        splash->Gauge(35, 45);
        m.Query2.Otworz();
        splash->Gauge(45, 60);
        m.Query2.Zamknij();
        m.Query3.UstawParametr(QStringLiteral("karta"), 1);
        m.Query3.UstawParametr(QStringLiteral("talia"), 1);
        splash->Gauge(60, 70);
        m.Query3.Otworz();
        splash->Gauge(70, 85);
        m.Query3.Zamknij();
        splash->Gauge(85, 100);
    } catch (const std::exception &e) {
        PrzebiegWskaznika = splash->Przebieg;
        splash.reset(); // gone before the failure is reported
        if (blad)
            *blad = QString::fromStdString(e.what());
        return false;
    }
    PrzebiegWskaznika = splash->Przebieg;
    splash.reset();
    SplashZamknietyPrzedPokazaniem = true;
    m_form1->show();
    if (!m_ostrzezenie.isEmpty())
        Komunikat(m_form1.get(), m_ostrzezenie);
    return true;
}

void TProgram::OtworzZArgumentow(const QStringList &argumenty)
{
    const QString sciezka = SciezkaZArgumentow(argumenty);
    if (!sciezka.isEmpty() && m_form1)
        m_form1->Bezpiecznie([&] { m_form1->WczytajUklad(sciezka); });
}

int UruchomLomi(const QStringList &argumenty)
{
    TProgram program;
    QString blad;
    if (!program.Uruchom(QCoreApplication::applicationDirPath(), &blad)) {
        Komunikat(nullptr, blad);
        return 1;
    }
    if (PomiarStartu::Wlaczony())
        QObject::connect(program.Form1(), &TForm1::PierwszeMalowanie, program.Form1(), &PomiarStartu::Zglos);
    program.OtworzZArgumentow(argumenty);
    if (ProbaUzytkownika::Wlaczona())
        ProbaUzytkownika::Zacznij(program);
    // Closed or ended while the file's cards were being shown: the event loop
    // has not started yet, so its quit request would be lost.
    if (program.Form1()->Konczy())
        return 0;
    return QApplication::exec();
}
