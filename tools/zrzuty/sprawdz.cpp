// Checks the screenshots zrzuty.sh takes: every card of every spread must lie
// where the layout puts it. A card is where the four points just inside the
// corners of its picture are card-coloured (red at least green; the table is
// green); corners under the toolbar or the right-hand panel are not counted.
//   sprawdz <folder with the screenshots>      exit code: number of misplaced cards
#include "spread/geometria.h"
#include "spread/katalog.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

bool Karta(QRgb c)
{
    return qRed(c) >= qGreen(c);
}

// Height of the menu bar: the first row of the brown toolbar below it.
int WysokoscMenu(const QImage &img)
{
    int y = 0;
    while (y < 60 && !(qRed(img.pixel(3, y)) < 120 && qRed(img.pixel(3, y)) > qBlue(img.pixel(3, y))))
        ++y;
    return y;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 100;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int zle = 0;
    for (const QSize ekran : {QSize(1280, 1024), QSize(800, 600)}) {
        const int W = ekran.width(), H = ekran.height();
        for (int n = 1; n <= 16; ++n) {
            const QString plik =
                QStringLiteral("%1/uklad%2-%3x%4.png").arg(folder).arg(n, 2, 10, QLatin1Char('0')).arg(W).arg(H);
            const QImage img(plik);
            if (img.isNull()) {
                std::printf("%s: brak\n", qPrintable(plik));
                ++zle;
                continue;
            }
            const int menu = WysokoscMenu(img);
            std::array<QPoint, 16> miejsca{};
            UstawPozycjeObliczenia(n, n, QSize(W - 264, H - menu - 41), W, miejsca);
            const QSize r = RozmiarRamki(W);
            QString wynik;
            for (int p = 1; p <= LiczbaKart(n); ++p) {
                const QPoint a(miejsca[p].x(), miejsca[p].y() + menu);
                const QPoint rogi[] = {a + QPoint(8, 8), a + QPoint(r.width() - 9, 8), a + QPoint(8, r.height() - 9),
                                       a + QPoint(r.width() - 9, r.height() - 9)};
                int widoczne = 0, karta = 0;
                for (const QPoint q : rogi) {
                    if (q.x() >= W - 264 || q.y() < menu + 41 || q.y() >= H)
                        continue;
                    ++widoczne;
                    karta += Karta(img.pixel(q)) ? 1 : 0;
                }
                const bool dobrze = karta == widoczne;
                zle += dobrze ? 0 : 1;
                wynik += QStringLiteral(" %1:(%2,%3)%4%5")
                             .arg(p)
                             .arg(miejsca[p].x())
                             .arg(miejsca[p].y())
                             .arg(dobrze ? "" : " ZLE")
                             .arg(widoczne == 4       ? ""
                                      : widoczne == 0 ? " [ukryta pod panelem]"
                                                      : " [częściowo pod panelem]");
            }
            std::printf("%dx%d układ %2d:%s\n", W, H, n, qPrintable(wynik));
        }
    }
    std::printf("źle położonych kart: %d\n", zle);
    return zle;
}
