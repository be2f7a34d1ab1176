#include "app/Ankieta.h"
#include "app/Uglowna.h"
#include "app/komunikaty.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TFormAnkieta::TFormAnkieta(QWidget *rodzic) : QDialog(rodzic)
{
    setWindowTitle(QStringLiteral("Ankieta"));
    auto *opis = new QLabel(QStringLiteral("Pomóż nam ulepszyć program Lomi.\n"
                                           "Otwórz ankietę, wypełnij ją i prześlij autorom."));
    Otworz = new QPushButton(QStringLiteral("Otwórz ankietę"));
    Anuluj = new QPushButton(QStringLiteral("Anuluj"));
    connect(Otworz, &QPushButton::clicked, this, [this] { OtworzAnkiete(); });
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Otworz);
    przyciski->addWidget(Anuluj);
    auto *l = new QVBoxLayout(this);
    l->addWidget(opis);
    l->addLayout(przyciski);
    setFixedSize(sizeHint());
}

bool TFormAnkieta::OtworzAnkiete()
{
    const QFileInfo plik(Dokument);
    if (!plik.exists()) {
        ZglosBladProgramu(this,
                          QStringLiteral("Nie można otworzyć dokumentu \"ankieta.rtf\": "
                                         "plik nie istnieje w folderze %1.")
                              .arg(plik.absolutePath()));
        return false;
    }
    if (!OtworzDokumentPulpitu(QUrl::fromLocalFile(plik.absoluteFilePath()))) {
        ZglosBladProgramu(this,
                          QStringLiteral("Nie można otworzyć dokumentu \"%1\": "
                                         "brak programu, który go otwiera.")
                              .arg(plik.absoluteFilePath()));
        return false;
    }
    return true;
}
