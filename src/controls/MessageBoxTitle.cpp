#include "controls/MessageBoxTitle.h"

#include <QCoreApplication>
#include <QVariant>

namespace {
// Kept on the application object, which owns the program's other names too.
constexpr char kProperty[] = "dorariveMessageBoxTitle";
} // namespace

void SetMessageBoxTitle(const QString& title)
{
    QCoreApplication::instance()->setProperty(kProperty, title);
}

QString MessageBoxTitle()
{
    const QVariant title = QCoreApplication::instance()->property(kProperty);
    return title.isValid() ? title.toString() : QCoreApplication::applicationName();
}
