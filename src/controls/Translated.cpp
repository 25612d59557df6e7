#include "controls/Translated.h"

#include <QCoreApplication>

std::string Translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}
