#include "testsupport.h"

#include "spread/obraz.h"
#include "store/schemat.h"

#include <QDir>

QByteArray TestSupport::Bmp(const QImage &obraz)
{
    return BajtyBmp(obraz);
}

QByteArray TestSupport::Bmp(int szerokosc, int wysokosc, unsigned rgb)
{
    QImage img(szerokosc, wysokosc, QImage::Format_RGB888);
    img.fill(QColor::fromRgb(rgb));
    img.setPixelColor(0, 0, Qt::white); // tells upright from turned
    return Bmp(img);
}

std::unique_ptr<MagazynKart> TestSupport::UtworzMagazyn(const QString &folderDanych, QString *blad)
{
    if (!QDir().mkpath(folderDanych)) {
        if (blad)
            *blad = QStringLiteral("cannot make %1").arg(folderDanych);
        return nullptr;
    }
    if (!MagazynKart::UtworzPusty(folderDanych + QLatin1String(Schemat::PlikMagazynu), blad))
        return nullptr;
    return MagazynKart::Otworz(folderDanych, blad);
}

QString TestSupport::UtworzFolderProgramu(const QString &dir)
{
    QDir d(dir);
    for (const char *f : {"Data", "Save", "help", "miniatury"})
        d.mkpath(QLatin1String(f));
    auto m = UtworzMagazyn(d.filePath(QStringLiteral("Data")) + QLatin1Char('/'), nullptr);
    if (!m)
        return {};
    m->RozpocznijTransakcje();
    for (int k = 1; k <= 24; ++k) {
        const unsigned kolor = 0x101010u * unsigned(k % 15) + 0x400000u;
        m->WstawKarte(24 + k, k, 1, QStringLiteral("Talia testowa"), QStringLiteral("Karta %1").arg(k));
        m->ZapiszObrazyKarty(24 + k, 1, k, Bmp(80, 122, kolor), Bmp(114, 173, kolor), Bmp(169, 273, kolor),
                             Bmp(64, 32, kolor));
        if (k <= 3) {
            m->WstawKarte(48 + k, k, 2, QStringLiteral("Druga talia"), QStringLiteral("Druga %1").arg(k));
            m->ZapiszObrazyKarty(48 + k, 2, k, Bmp(80, 122, 0x00ff00), Bmp(114, 173, 0x00ff00), Bmp(169, 273, 0x00ff00),
                                 Bmp(64, 32, 0x00ff00));
        }
    }
    m->WstawKoszulke(1, Bmp(49, 65, 0x202080));
    m->WstawKoszulke(2, Bmp(49, 65, 0x208020));
    m->WstawTlo(1, QStringLiteral("Zielone sukno"), Bmp(320, 256, 0x206020), Bmp(80, 64, 0x206020));
    m->WstawTlo(2, QStringLiteral("Ciemne drewno"), Bmp(320, 256, 0x503020), Bmp(80, 64, 0x503020));
    for (int k = 1; k <= 24; ++k) {
        for (bool odw : {false, true})
            m->WstawZnaczenie(k, odw,
                              QStringLiteral("Znaczenie %1 %2")
                                  .arg(k)
                                  .arg(odw ? QStringLiteral("odwrócone") : QStringLiteral("proste")));
    }
    for (int p = 2; p <= 4; ++p)
        m->WstawNaglowek(2, p, QStringLiteral("Nagłówek %1").arg(p));
    m->ZatwierdzTransakcje();
    return d.absolutePath();
}
