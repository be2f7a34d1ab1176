#include "testsupport.h"

QString TestSupport::programDir()
{
    return QStringLiteral(LOMI_PROGRAM_DIR);
}
QString TestSupport::sourceDir()
{
    return QStringLiteral(LOMI_SOURCE_DIR);
}
