#include "dialogs/AboutCommand.h"

#include <QAction>
#include <QMenu>

namespace AboutCommand {

QAction* AppendTo(QMenu& menu)
{
    menu.addSeparator();
    QAction* about = menu.addAction(QString::fromLatin1(kMenuText));
    about->setData(kId);
    return about;
}

} // namespace AboutCommand
