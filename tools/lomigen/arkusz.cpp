#include "generator.h"
#include "settings/dodatki.h"

#include "store/schemat.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

// Contact sheets: every deck upright and turned, the backs, icons, the
// backgrounds with cards lying on them, the miniatures and the sample add-ons.

namespace {

const QColor Podklad(58, 58, 62);

QImage obraz(const QVariant &v)
{
    return QImage::fromData(v.toByteArray());
}

void tytul(QPainter &p, int y, const QString &tekst, int x = 10)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QPoint(x, y + 20), tekst);
}

struct Talia
{
    int numer = 0;
    QString nazwa;
    QList<QImage> o800, o1024, big, maly;
    QImage koszulka;
};

// 24 cards upright (two rows), the same turned as the table shows them, a row
// of big faces with the back, and the small faces with the button icons.
QImage arkuszTalii(const Talia &t)
{
    const int kol = 12, odst = 8;
    const int W = odst + kol * (114 + odst);
    const int H = 30 + 4 * (173 + odst) + 30 + (273 + odst) + 30 + 2 * (122 + odst) + odst;
    QImage a(W, H, QImage::Format_RGB32);
    a.fill(Podklad);
    QPainter p(&a);
    int y = 0;
    tytul(p, y, QStringLiteral("Talia %1: %2 - Obrazek1024 prosto i odwrocone").arg(t.numer).arg(t.nazwa));
    y += 30;
    for (int obrot = 0; obrot < 2; ++obrot)
        for (int i = 0; i < t.o1024.size(); ++i) {
            const QImage k = obrot ? t.o1024[i].mirrored(true, true) : t.o1024[i];
            p.drawImage(odst + (i % kol) * (114 + odst), y + (obrot * 2 + i / kol) * (173 + odst), k);
        }
    y += 4 * (173 + odst);
    tytul(p, y, QStringLiteral("ObrazekBig i koszulka"));
    y += 30;
    for (int i = 0; i < 7 && i * 3 < t.big.size(); ++i)
        p.drawImage(odst + i * (169 + odst), y, t.big[i * 3]);
    p.drawImage(odst + 7 * (169 + odst), y, t.koszulka);
    y += 273 + odst;
    tytul(p, y, QStringLiteral("Obrazek800 i ObrazekMaly"));
    y += 30;
    for (int i = 0; i < t.o800.size(); ++i)
        p.drawImage(odst + (i % kol) * (80 + 6), y + (i / kol) * (122 + odst), t.o800[i]);
    const int x0 = odst + kol * 86 + 20;
    for (int i = 0; i < t.maly.size(); ++i)
        p.drawImage(x0 + (i % 5) * 72, y + (i / 5) * 40, t.maly[i]);
    return a;
}

} // namespace

int arkusz(const QString &katalogProgramu, const QString &plikPng)
{
    const QString sciezkaBazy = katalogProgramu + QStringLiteral("/Data/") + QLatin1String(Schemat::PlikMagazynu);
    if (!QFileInfo::exists(sciezkaBazy)) {
        std::fprintf(stderr, "lomigen: no store at %s\n", qPrintable(sciezkaBazy));
        return 1;
    }
    const QFileInfo wyj(plikPng);
    QDir().mkpath(wyj.absolutePath());
    const QString baza = wyj.absolutePath() + QLatin1Char('/') + wyj.completeBaseName();
    QStringList zapisane;
    auto zapisz = [&](const QImage &img, const QString &nazwa) {
        if (img.save(nazwa, "PNG"))
            zapisane << nazwa;
        else
            std::fprintf(stderr, "lomigen: cannot write %s\n", qPrintable(nazwa));
    };

    QList<Talia> talie;
    QList<QPair<QString, QImage>> tla;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("arkusz"));
        db.setDatabaseName(sciezkaBazy);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            std::fprintf(stderr, "lomigen: %s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT NumerTalii, NazwaTalii, Obrazek800, Obrazek1024, ObrazekBig, ObrazekMaly "
                              "FROM kartygraf ORDER BY NumerTalii, NrKarty"));
        while (q.next()) {
            if (talie.isEmpty() || talie.last().numer != q.value(0).toInt())
                talie.append(Talia{q.value(0).toInt(), q.value(1).toString(), {}, {}, {}, {}, {}});
            talie.last().o800 << obraz(q.value(2));
            talie.last().o1024 << obraz(q.value(3));
            talie.last().big << obraz(q.value(4));
            talie.last().maly << obraz(q.value(5));
        }
        q.exec(QStringLiteral("SELECT NumerTalii, Koszulka FROM Koszulki"));
        while (q.next())
            for (Talia &t : talie)
                if (t.numer == q.value(0).toInt())
                    t.koszulka = obraz(q.value(1));
        q.exec(QStringLiteral("SELECT Nazwa, Tlo FROM Tla ORDER BY ID"));
        while (q.next())
            tla.append({q.value(0).toString(), obraz(q.value(1))});
    }
    QSqlDatabase::removeDatabase(QStringLiteral("arkusz"));

    // The sample add-on deck, read back from its folder.
    const QString dod = katalogProgramu + QStringLiteral("/dodatki/talia_bursztyn/");
    Talia bursztyn{0,  QStringLiteral("dodatek talia_bursztyn"),          {}, {}, {},
                   {}, QImage(dod + QLatin1String(Dodatki::PlikKoszulki))};
    for (int k = 1; k <= 24; ++k) {
        const QStringList pliki = Dodatki::PlikiKarty(k);
        bursztyn.o800 << QImage(dod + pliki[0]);
        bursztyn.o1024 << QImage(dod + pliki[1]);
        bursztyn.big << QImage(dod + pliki[2]);
        bursztyn.maly << QImage(dod + pliki[3]);
    }
    talie.append(bursztyn);
    for (const Talia &t : std::as_const(talie))
        zapisz(arkuszTalii(t), QStringLiteral("%1-talia%2.png").arg(baza).arg(t.numer));

    // Backgrounds at full scale, cropped, with cards of each deck lying on them.
    const QString st = katalogProgramu + QStringLiteral("/dodatki/stoliki_przyklad/");
    for (int k = 1; QFileInfo::exists(st + Dodatki::PlikTla(k)); ++k)
        tla.append({QStringLiteral("dodatek tlo_%1").arg(k), QImage(st + Dodatki::PlikTla(k))});
    const int kw = 620, kh = 420, kol = 2;
    QImage a(kol * (kw + 10) + 10, int((tla.size() + kol - 1) / kol) * (kh + 40) + 10, QImage::Format_RGB32);
    a.fill(Podklad);
    {
        QPainter p(&a);
        for (int i = 0; i < tla.size(); ++i) {
            const int x = 10 + (i % kol) * (kw + 10), y = (i / kol) * (kh + 40);
            tytul(
                p, y,
                QStringLiteral("%1 (%2 x %3)").arg(tla[i].first).arg(tla[i].second.width()).arg(tla[i].second.height()),
                x);
            const QImage &t = tla[i].second;
            p.drawImage(QPoint(x, y + 30), t, QRect((t.width() - kw) / 2, (t.height() - kh) / 2, kw, kh));
            for (int j = 0; j < talie.size() && j < 5; ++j) {
                const Talia &tal = talie[j];
                if (tal.o1024.size() < 24)
                    continue;
                const QImage k = tal.o1024[(i * 5 + j * 7) % 24];
                p.drawImage(x + 12 + j * 120, y + 30 + 40 + (j % 2) * 150, (j % 2) ? k.mirrored(true, true) : k);
            }
            p.drawImage(x + kw - 90, y + 30 + kh - 74,
                        QImage(t).scaled(80, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    zapisz(a, baza + QStringLiteral("-tla.png"));

    // Miniatures at their size and three times larger.
    QImage m(10 + 8 * (192 + 10), 2 * (192 + 30) + 30 + 74 + 10, QImage::Format_RGB32);
    m.fill(Podklad);
    {
        QPainter p(&m);
        tytul(p, 0, QStringLiteral("Miniatury 1..16 (64 x 64 i powiekszone 3x)"));
        for (int n = 1; n <= 16; ++n) {
            const QImage img(katalogProgramu + QStringLiteral("/miniatury/%1uklad.jpg").arg(n));
            p.drawImage(10 + (n - 1) * 74, 30, img);
            const int x = 10 + ((n - 1) % 8) * 202, y = 30 + 74 + ((n - 1) / 8) * 222;
            p.setPen(QColor(235, 235, 235));
            p.drawText(QPoint(x, y + 18), QString::number(n));
            p.drawImage(QRect(x, y + 24, 192, 192), img);
        }
    }
    zapisz(m, baza + QStringLiteral("-miniatury.png"));

    for (const QString &s : std::as_const(zapisane))
        std::printf("%s\n", qPrintable(s));
    return zapisane.isEmpty() ? 1 : 0;
}
