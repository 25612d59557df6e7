#include "dialogs/AboutCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace AboutCommand {

QAction* AppendTo(QMenu& menu)
{
    menu.addSeparator();
    QAction* about = menu.addAction(QCoreApplication::translate("CommandMenu", kMenuText));
    about->setData(kId);
    return about;
}

} // namespace AboutCommand
