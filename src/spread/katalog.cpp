#include "spread/katalog.h"

#include <array>

namespace {

constexpr int MaksPozycji = 11;

struct Uklad
{
    const char *nazwa; // UTF-8
    int liczbaKart;
    std::array<StalaPozycji, MaksPozycji> stale;
};

// Name, number of positions and table constants (top, left) of each position.
constexpr std::array<Uklad, 16> Uklady = {{
    {"Podkowa", 8, {{{56, 240}, {56, 8}, {192, 72}, {328, 145}, {328, 240}, {328, 332}, {192, 400}, {56, 464}}}},
    {"Trzy karty", 4, {{{80, 240}, {248, 96}, {248, 240}, {248, 384}}}},
    {"Wyrocznia", 8, {{{51, 312}, {193, 168}, {193, 40}, {51, 168}, {335, 168}, {193, 312}, {51, 456}, {335, 456}}}},
    {"Obecny związek", 6, {{{335, 246}, {193, 200}, {193, 296}, {193, 8}, {51, 246}, {193, 464}}}},
    {"Zdrowie",
     9,
     {{{180, 315}, {180, 15}, {50, 115}, {310, 115}, {310, 515}, {50, 515}, {180, 615}, {180, 215}, {180, 415}}}},
    {"Ambasada", 5, {{{112, 238}, {112, 72}, {112, 408}, {256, 152}, {256, 320}}}},
    {"Decyzja", 7, {{{202, 256}, {56, 448}, {202, 448}, {348, 448}, {56, 56}, {202, 56}, {348, 56}}}},
    {"Błąd", 6, {{{150, 240}, {72, 144}, {72, 336}, {296, 24}, {296, 240}, {296, 464}}}},
    {"Obciążenia karmiczne", 6, {{{200, 16}, {72, 120}, {200, 224}, {72, 336}, {200, 456}, {320, 120}}}},
    {"Piramida Wenus",
     11,
     {{{354, 240},
       {211, 64},
       {144, 328},
       {144, 152},
       {45, 240},
       {354, 130},
       {354, 464},
       {211, 240},
       {354, 24},
       {211, 416},
       {354, 350}}}},
    {"Życie rodzinne", 7, {{{45, 240}, {134, 152}, {134, 328}, {226, 240}, {226, 416}, {365, 64}, {365, 240}}}},
    {"Trzydzieści srebrników", 7, {{{344, 16}, {136, 16}, {136, 464}, {48, 240}, {240, 144}, {240, 328}, {344, 464}}}},
    {"Praca i pieniądze",
     9,
     {{{50, 215}, {50, 15}, {160, 115}, {160, 315}, {50, 415}, {270, 15}, {270, 415}, {380, 115}, {380, 315}}}},
    {"Zmiana pracy",
     9,
     {{{64, 248}, {64, 96}, {208, 96}, {352, 96}, {208, 248}, {352, 248}, {64, 400}, {208, 400}, {352, 400}}}},
    {"Jedna karta", 1, {{{210, 250}}}},
    {"Los człowieczy", 3, {{{210, 384}, {210, 240}, {210, 96}}}},
}};

bool WKatalogu(int n)
{
    return n >= 1 && n <= 16;
}

} // namespace

int LiczbaKart(int n)
{
    return WKatalogu(n) ? Uklady[n - 1].liczbaKart : -1;
}

QString OpisUkladu(int n)
{
    // Kept word for word as the program has always shown them.
    static const std::array<QString, 16> opisy = {
        QStringLiteral("Układ ten służy do zanalizowania bieżącej sytuacji. Pozwala zorientować się w tym, co dzieje "
                       "się w chwili obecnej i określa ewentualne zbliżające się problemy. "),
        QStringLiteral("Jest to najprostszy z możliwych układów, ale umożliwiający uzyskanie odpowiedzi na najprostsze "
                       "pytania-prosta odpowiedź odnośnie jakiejś konkretnej sprawy."),
        QStringLiteral("Układ, który doskonale nadaje sie do analizy każdego problemu. Dzięki niemu można dokładniej "
                       "określić co szykuje nam los, a dzięki odczytaniu ostrzeżeń pozwala też uniknąć błędów."),
        QStringLiteral("W sytuacji, gdy coś niepokoi osobę pytającą w związku partnerskim, gdy obawia się ona o jego "
                       "dalszą przyszłość, bądź czuje że partner jest nielojalny można zastosować właśnie ten układ."),
        QStringLiteral(
            "Dopóki z naszym zdrowiem nic się nie dzieje, to często nawet nie wiemy, jakim jest ono skarbem.Lepiej "
            "jednak nie czekać i sprawdzić przy pomocy kart Tarora co dzieje się w tej sferze życia."),
        QStringLiteral("Ten rozkład służy do analizy wszelkich spraw oraz sytuacji, które osoba pytająca chce lub musi "
                       "załatwiać w ambasadzie lub innym wysokiej rangi urzędzie."),
        QStringLiteral("Układ pomocny w podejęciu wszelkich decyzji. Pamiętaj jednak, że nie podejmie od decyzji za "
                       "Ciebie - jedynie Ci w tym pomoże."),
        QStringLiteral("Dzięki temu układowi osoba pytająca może dowiedzieć się, gdzie popełniła błąd w danej sprawie "
                       "i jak go rozwiązać."),
        QStringLiteral("W sytuacji gdy człowiek ma problemy i w żaden sposób nie może dociec ich przyczyny warto "
                       "postawić ten układ aby sprawdzić czy nie tkwią one w bardzo dalekiej przeszłości."),
        QStringLiteral("Ten rozkład można stosować w przypadku, gdy chcemy dowiedzieć się, co czeka nas w najbliższym "
                       "czasie w sferze spraw uczuciowych, czy czekają nas jakieś niespodzianki w tej dziedzinie i jak "
                       "będą się układały relacje partnerskie."),
        QStringLiteral("Układ przydatny, gdy osoba pytająca chce się dowiedzieć co czeką ją, lub jej rodzinę w "
                       "przyszłości. Umożliwia on ogólny ogląd tej sfery życia w przyszłości."),
        QStringLiteral("Układ ten służy analizie naszych relacji z przyjaciółmi."),
        QStringLiteral(
            "Jest to układ, który najczęściej stosuje się do analizy jednocześnie spraw zawodowych i finansowych, po "
            "to, by zorientować się, jak będzie sytuacja w tej sferze życia wyglądać w najbliższym czasie."),
        QStringLiteral("Układ stosowany gdy osoba pytająca pracuje, lecz nosi się z zamiarem zmiany pracy i chciałaby "
                       "wiedzieć, czy jest to możliwe i jakimi skutkami zaowocuje to w jej życiu. Rozkład ukazuje "
                       "równiż aspekt finansowy taiej zmiany."),
        QString(),
        QStringLiteral("Doskonały i bardzo wygodny układ dla początkujących, pozwala na przeanalizownaie zaistniałej "
                       "sytuacji ze zwróceniem uwagi na przyczyny problemu (karta opisująca przeszłość), jak też na "
                       "możliwości najlepszego rozwiązania zagadnienia (karta przyszłość)."),
    };
    return WKatalogu(n) ? opisy[n - 1] : QString();
}

QString NazwaUkladu(int n)
{
    return WKatalogu(n) ? QString::fromUtf8(Uklady[n - 1].nazwa) : QString();
}

QStringList NazwyUkladow()
{
    QStringList nazwy;
    for (int n = 1; n <= 16; ++n)
        nazwy << NazwaUkladu(n);
    return nazwy;
}

StalaPozycji StalaUkladu(int n, int p)
{
    if (!WKatalogu(n) || p < 1 || p > Uklady[n - 1].liczbaKart)
        return {0, 0};
    return Uklady[n - 1].stale[p - 1];
}
