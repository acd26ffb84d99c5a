#include "textmarks.h"

namespace app {

QString MarksToBreaks(const QString &text)
{
    QString result = text;
    result.replace(QChar('@'), QChar('\r'));
    return result;
}

} // namespace app
