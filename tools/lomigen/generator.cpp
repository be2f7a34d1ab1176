#include "generator.h"

#include "karty.h"
#include "runy.h"
#include "szum.h"
#include "tla.h"
#include "zrodla.h"

#include "settings/dodatki.h"
#include "spread/katalog.h"
#include "spread/obraz.h"
#include "store/magazyn.h"
#include "store/schemat.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringEncoder>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Every picture comes from this seed, so two builds of the same sources give
// the same files.
constexpr uint32_t Ziarno = 0x4C6F6D69u;

[[noreturn]] void blad(const QString &tekst)
{
    throw BladDanych(tekst.toStdString());
}

void zapiszPlik(const QString &sciezka, const QByteArray &dane)
{
    // Written aside and renamed, so an interrupted build leaves no half file.
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(dane) != dane.size() || !plik.commit())
        blad(QStringLiteral("cannot write %1: %2").arg(sciezka, plik.errorString()));
}

QByteArray bajtyJpeg(const QImage &obraz)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    if (!obraz.save(&buf, "JPG", 95))
        blad(QStringLiteral("JPEG encoding failed"));
    return b;
}

QByteArray windows1250(const QString &tekst)
{
    QStringEncoder enc("windows-1250");
    QByteArray b = enc.encode(tekst);
    if (enc.hasError())
        blad(QStringLiteral("text cannot be written in windows-1250: %1").arg(tekst.left(60)));
    return b;
}

// Runs the jobs on as many threads as the machine has, at most `watki`.
void rownolegle(std::vector<std::function<void()>> &zadania, unsigned watki)
{
    std::atomic<size_t> nastepne{0};
    std::mutex m;
    QString pierwszyBlad;
    auto pracownik = [&]() {
        for (size_t i; (i = nastepne.fetch_add(1)) < zadania.size();) {
            try {
                zadania[i]();
            } catch (const std::exception &e) {
                std::lock_guard<std::mutex> l(m);
                if (pierwszyBlad.isEmpty())
                    pierwszyBlad = QString::fromStdString(e.what());
            }
        }
    };
    std::vector<std::thread> pula;
    for (unsigned i = 1; i < watki; ++i)
        pula.emplace_back(pracownik);
    pracownik();
    for (auto &t : pula)
        t.join();
    if (!pierwszyBlad.isEmpty())
        blad(pierwszyBlad);
}

struct KartaBmp
{
    QByteArray obrazek800, obrazek1024, obrazekBig, obrazekMaly;
};

struct TaliaBmp
{
    StylTalii styl{};
    std::array<KartaBmp, 24> karty;
    QByteArray koszulka;
};

struct TloBmp
{
    QByteArray tlo, maleTlo;
};

uint32_t ziarnoKarty(uint32_t talia, int karta)
{
    return szum::mieszaj(Ziarno ^ (talia * 0x9E3779B9u) ^ uint32_t(karta * 7919));
}

void rysujTalie(TaliaBmp &wynik, const Zrodla &z, uint32_t nrStylu)
{
    for (int k = 0; k < 24; ++k) {
        const RunaKarty &r = z.runy[k];
        int indeks = indeksRuny(r.runa);
        if (indeks < 0)
            indeks = k;
        const uint32_t zk = ziarnoKarty(nrStylu, k + 1);
        KartaBmp &kb = wynik.karty[k];
        kb.obrazek800 = bajtyBmp(licKarty(wynik.styl, indeks, r.runa, Rozmiar800, zk));
        kb.obrazek1024 = bajtyBmp(licKarty(wynik.styl, indeks, r.runa, Rozmiar1024, zk));
        kb.obrazekBig = bajtyBmp(licKarty(wynik.styl, indeks, r.runa, RozmiarBig, zk));
        kb.obrazekMaly = bajtyBmp(ikona(wynik.styl, indeks, zk));
    }
    wynik.koszulka = bajtyBmp(koszulka(wynik.styl, RozmiarBig, ziarnoKarty(nrStylu, 0)));
}

void rysujTloBmp(TloBmp &wynik, const QString &styl, uint32_t ziarno)
{
    const QImage tlo = rysujTlo(styl, RozmiarTla, ziarno);
    wynik.tlo = bajtyBmp(tlo);
    wynik.maleTlo = bajtyBmp(tlo.scaled(RozmiarMalegoTla, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void sprawdzDlugosc(const QString &tekst, int max, const char *co)
{
    if (tekst.size() > max)
        blad(QStringLiteral("%1 \"%2\" is longer than %3 characters").arg(QLatin1String(co), tekst).arg(max));
}

void zapiszMagazyn(const QString &katalogProgramu, const Zrodla &z, const std::vector<TaliaBmp> &talie,
                   const std::vector<TloBmp> &tla)
{
    const QString katalog = katalogProgramu + QStringLiteral("/Data");
    QDir().mkpath(katalog);
    const QString cel = katalog + QLatin1Char('/') + QLatin1String(Schemat::PlikMagazynu);
    // Written in a folder aside, as the store opens by its folder.
    const QString obok = katalog + QStringLiteral("/.nowy/");
    QDir(obok).removeRecursively();
    QDir().mkpath(obok);
    const QString tymczasowy = obok + QLatin1String(Schemat::PlikMagazynu);

    try {
        QString bladMagazynu;
        if (!MagazynKart::UtworzPusty(tymczasowy, &bladMagazynu))
            blad(QStringLiteral("cannot create %1: %2").arg(tymczasowy, bladMagazynu));
        auto m = MagazynKart::Otworz(obok, &bladMagazynu);
        if (!m)
            blad(bladMagazynu);
        // The file is renamed into place only when complete, so SQLite's own
        // crash safety would only cost time here.
        QSqlQuery q(m->Baza());
        q.exec(QStringLiteral("PRAGMA journal_mode=OFF"));
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        m->RozpocznijTransakcje();
        for (size_t t = 0; t < talie.size(); ++t) {
            const TaliaZrodlo &tz = z.talie[int(t)];
            for (int k = 1; k <= 24; ++k) {
                const KartaBmp &kb = talie[t].karty[k - 1];
                const int id = 24 * tz.numer + k;
                m->WstawKarte(id, k, tz.numer, tz.nazwa, z.runy[k - 1].nazwaKarty, kb.obrazek800, kb.obrazek1024,
                              kb.obrazekBig, kb.obrazekMaly);
            }
        }
        for (size_t t = 0; t < talie.size(); ++t)
            m->WstawKoszulke(z.talie[int(t)].numer, talie[t].koszulka);
        for (size_t i = 0; i < tla.size(); ++i)
            m->WstawTlo(z.tla[int(i)].id, z.tla[int(i)].nazwa, tla[i].tlo, tla[i].maleTlo);
        for (const Naglowek &n : z.naglowki)
            m->WstawNaglowek(n.uklad, n.pozycja, n.opis);
        for (int k = 1; k <= 24; ++k) {
            for (bool odwr : {false, true}) {
                const QMap<int, QString> &zn = odwr ? z.odwrocona : z.prosta;
                if (zn.contains(k))
                    m->WstawZnaczenie(k, odwr, zn.value(k));
            }
        }
        m->ZatwierdzTransakcje();
    } catch (const BladMagazynu &e) {
        blad(QStringLiteral("store: %1").arg(e.tekst()));
    }

    // rename() replaces the old store in one step: a reader sees either store whole.
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(tymczasowy).toStdString(), QFile::encodeName(cel).toStdString(), ec);
    if (ec)
        blad(QStringLiteral("cannot replace %1: %2").arg(cel, QString::fromStdString(ec.message())));
    QDir(obok).removeRecursively();
}

void zapiszMiniatury(const QString &katalogProgramu)
{
    const QString katalog = katalogProgramu + QStringLiteral("/miniatury");
    QDir().mkpath(katalog);
    for (int n = 1; n <= 16; ++n)
        zapiszPlik(katalog + QStringLiteral("/%1uklad.jpg").arg(n), bajtyJpeg(miniaturaUkladu(n)));
}

void zapiszDodatki(const QString &katalogProgramu, const Zrodla &z, const TaliaBmp &bursztyn,
                   const std::vector<TloBmp> &stoliki)
{
    const QString talia = katalogProgramu + QStringLiteral("/dodatki/talia_bursztyn");
    QDir().mkpath(talia);
    zapiszPlik(talia + QLatin1Char('/') + QLatin1String(Dodatki::OpisTalii),
               windows1250(z.taliaPrzyklad.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    for (int k = 1; k <= 24; ++k) {
        const QStringList pliki = Dodatki::PlikiKarty(k);
        const KartaBmp &kb = bursztyn.karty[k - 1];
        zapiszPlik(talia + QLatin1Char('/') + pliki[0], kb.obrazek800);
        zapiszPlik(talia + QLatin1Char('/') + pliki[1], kb.obrazek1024);
        zapiszPlik(talia + QLatin1Char('/') + pliki[2], kb.obrazekBig);
        zapiszPlik(talia + QLatin1Char('/') + pliki[3], kb.obrazekMaly);
    }
    zapiszPlik(talia + QLatin1Char('/') + QLatin1String(Dodatki::PlikKoszulki), bursztyn.koszulka);

    const QString stolik = katalogProgramu + QStringLiteral("/dodatki/stoliki_przyklad");
    QDir().mkpath(stolik);
    // No line end after the last name: the import would read an empty line as one more background.
    zapiszPlik(stolik + QLatin1Char('/') + QLatin1String(Dodatki::OpisTel),
               windows1250(z.stolikiPrzyklad.join(QStringLiteral("\r\n"))));
    for (size_t k = 1; k <= stoliki.size(); ++k) {
        zapiszPlik(stolik + QLatin1Char('/') + Dodatki::PlikTla(int(k)), stoliki[k - 1].tlo);
        zapiszPlik(stolik + QLatin1Char('/') + Dodatki::PlikMalegoTla(int(k)), stoliki[k - 1].maleTlo);
    }
}

void skopiuj(const QString &z, const QString &do_)
{
    QFile plik(z);
    if (!plik.open(QIODevice::ReadOnly))
        blad(QStringLiteral("cannot read %1: %2").arg(z, plik.errorString()));
    zapiszPlik(do_, plik.readAll());
}

void skopiujPomoc(const QString &katalogDanych, const QString &katalogProgramu, QStringList &ostrzezenia)
{
    const QString pomoc = katalogDanych + QStringLiteral("/help");
    QDirIterator it(pomoc, QDir::Files, QDirIterator::Subdirectories);
    int ile = 0;
    while (it.hasNext()) {
        const QString plik = it.next();
        const QString cel = katalogProgramu + QStringLiteral("/help/") + QDir(pomoc).relativeFilePath(plik);
        QDir().mkpath(QFileInfo(cel).absolutePath());
        skopiuj(plik, cel);
        ++ile;
    }
    if (!ile)
        ostrzezenia << QStringLiteral("no help documents in %1").arg(pomoc);
    const QString ankieta = katalogDanych + QStringLiteral("/ankieta.rtf");
    if (QFile::exists(ankieta))
        skopiuj(ankieta, katalogProgramu + QStringLiteral("/ankieta.rtf"));
    else
        ostrzezenia << QStringLiteral("no %1").arg(ankieta);
}

} // namespace

QByteArray bajtyBmp(const QImage &obraz)
{
    const QByteArray b = BajtyBmp(obraz);
    if (b.isEmpty())
        blad(QStringLiteral("BMP encoding failed"));
    return b;
}

QImage miniaturaUkladu(int uklad)
{
    QImage obraz = szum::wypelnij(64, 64, [](int x, int y) {
        const float v = 1.0f + (szum::fbm(x / 6.f, y / 6.f, 2, Ziarno) - 0.5f) * 0.16f;
        return szum::rgb(34 * v, 100 * v, 62 * v);
    });
    const int ile = LiczbaKart(uklad);
    if (ile < 1)
        return obraz;
    QRectF obszar;
    for (int p = 1; p <= ile; ++p) {
        const StalaPozycji s = StalaUkladu(uklad, p);
        obszar |= QRectF(s.L, s.T, 80, 122);
    }
    const qreal margines = 4;
    // A lone card is not drawn larger than the cards of a small spread.
    const qreal skala = std::min({(64 - 2 * margines) / obszar.width(), (64 - 2 * margines) / obszar.height(), 0.24});
    const QPointF przesuniecie(32 - obszar.center().x() * skala, 32 - obszar.center().y() * skala);

    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int poz = 1; poz <= ile; ++poz) {
        const StalaPozycji s = StalaUkladu(uklad, poz);
        QRectF r(s.L * skala + przesuniecie.x(), s.T * skala + przesuniecie.y(), 80 * skala, 122 * skala);
        // Whole pixels keep the small cards sharp.
        r = QRectF(std::round(r.left()), std::round(r.top()), std::max(3.0, std::round(r.width())),
                   std::max(4.0, std::round(r.height())));
        p.fillRect(r.translated(1, 1), QColor(0, 0, 0, 90));
        p.fillRect(r, QColor(240, 230, 204));
        p.setPen(QPen(QColor(70, 50, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        if (r.height() >= 9 && r.width() >= 5) {
            QFont f(QStringLiteral("Liberation Sans"));
            f.setBold(true);
            const QString nr = QString::number(poz);
            f.setPixelSize(int(std::min(r.height() * 0.62, r.width() * (nr.size() > 1 ? 0.62 : 1.0) + 1)));
            p.setFont(f);
            p.setPen(QColor(120, 30, 20));
            p.drawText(r.adjusted(0, 0, 1, 0), Qt::AlignCenter, nr);
        }
    }
    return obraz;
}

int generuj(const QString &katalogDanych, const QString &katalogProgramu)
{
    QElapsedTimer zegar;
    zegar.start();
    try {
        Zrodla z = wczytajZrodla(katalogDanych);

        for (const RunaKarty &r : std::as_const(z.runy)) {
            sprawdzDlugosc(r.nazwaKarty, Dodatki::DlugoscNazwyKarty, "card name");
            if (indeksRuny(r.runa) < 0)
                z.ostrzezenia << QStringLiteral("unknown rune name \"%1\"; card %2 gets the glyph of its number")
                                     .arg(r.runa)
                                     .arg(r.nrKarty);
        }
        std::vector<TaliaBmp> talie(size_t(z.talie.size()));
        for (int t = 0; t < z.talie.size(); ++t) {
            sprawdzDlugosc(z.talie[t].nazwa, Dodatki::DlugoscNazwyKarty, "deck name");
            if (!stylTalii(z.talie[t].styl, talie[size_t(t)].styl))
                blad(QStringLiteral("deck %1: unknown style \"%2\"").arg(z.talie[t].numer).arg(z.talie[t].styl));
        }
        for (const TloZrodlo &t : std::as_const(z.tla)) {
            sprawdzDlugosc(t.nazwa, Dodatki::DlugoscNazwyTla, "background name");
            if (!znanyStylTla(t.styl))
                blad(QStringLiteral("background %1: unknown style \"%2\"").arg(t.id).arg(t.styl));
        }
        for (const QString &n : std::as_const(z.taliaPrzyklad))
            sprawdzDlugosc(n, Dodatki::DlugoscNazwyKarty, "sample deck entry");
        for (const QString &n : std::as_const(z.stolikiPrzyklad))
            sprawdzDlugosc(n, Dodatki::DlugoscNazwyTla, "sample background name");

        TaliaBmp bursztyn;
        bursztyn.styl = StylTalii::Bursztyn;
        std::vector<TloBmp> tla(size_t(z.tla.size()));
        std::vector<TloBmp> stoliki(size_t(z.stolikiPrzyklad.size()));

        // Backgrounds first: they are the longest jobs.
        std::vector<std::function<void()>> zadania;
        for (size_t i = 0; i < tla.size(); ++i)
            zadania.push_back(
                [&, i] { rysujTloBmp(tla[i], z.tla[int(i)].styl, Ziarno + 101 * uint32_t(z.tla[int(i)].id)); });
        for (size_t i = 0; i < stoliki.size(); ++i)
            zadania.push_back([&, i] {
                rysujTloBmp(stoliki[i], stylStolika(z.stolikiPrzyklad[int(i)], int(i)),
                            Ziarno + 7001 * uint32_t(i + 1));
            });
        for (size_t t = 0; t < talie.size(); ++t)
            zadania.push_back([&, t] { rysujTalie(talie[t], z, uint32_t(talie[t].styl) + 1); });
        zadania.push_back([&] { rysujTalie(bursztyn, z, uint32_t(StylTalii::Bursztyn) + 1); });
        rownolegle(zadania, std::max(1u, std::min(4u, std::thread::hardware_concurrency())));

        zapiszMiniatury(katalogProgramu);
        zapiszDodatki(katalogProgramu, z, bursztyn, stoliki);
        skopiujPomoc(katalogDanych, katalogProgramu, z.ostrzezenia);
        // A fresh program folder starts with the default background on the
        // table; once the user has chosen another one it is theirs to keep.
        const QString cache = katalogProgramu + QStringLiteral("/tmptlo.bmp");
        if (!tla.empty() && !QFileInfo::exists(cache))
            zapiszPlik(cache, tla.front().tlo);
        // The store last: its new time stamp marks a finished generation.
        zapiszMagazyn(katalogProgramu, z, talie, tla);

        for (const QString &o : std::as_const(z.ostrzezenia))
            std::fprintf(stderr, "lomigen: warning: %s\n", qPrintable(o));
        std::printf("lomigen: %lld decks, %lld backgrounds, miniatures and add-ons written to %s in %lld ms\n",
                    qlonglong(talie.size()), qlonglong(tla.size()), qPrintable(katalogProgramu),
                    qlonglong(zegar.elapsed()));
        return 0;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "lomigen: error: %s\n", e.what());
        return 1;
    }
}
