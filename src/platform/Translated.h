#pragma once

// Texts the core composes for people to read (messages, reasons, notes on
// the screen) go through Qt's translations: Core::tr("...") in the user's
// language. What is kept in a listing or the store, keys, column names and
// the formats other programs read stay as written.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace rkm {

class Core {
    Q_DECLARE_TR_FUNCTIONS(rkm::Core)
};

// A translated text as the UTF-8 the core's messages are made of.
inline std::string Utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace rkm
