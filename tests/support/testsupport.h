#pragma once
#include <QString>

namespace TestSupport {

// The program folder the build produced (executable, Data/, help/ ...).
QString programDir();
// The source tree, for committed fixtures.
QString sourceDir();

}
