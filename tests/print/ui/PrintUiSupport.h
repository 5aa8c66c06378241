#pragma once
// Helpers for the print widgets' tests: settings in memory, and a script
// that answers the modal windows one after the other.

#include "print/PrintSettings.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rkm::test {

class MapSettings final : public PrintSettingsStore {
public:
    int getInt(const std::string &key, int defaultValue) override
    {
        auto it = ints.find(key);
        return it == ints.end() ? defaultValue : it->second;
    }
    void setInt(const std::string &key, int value) override { ints[key] = value; }
    std::string getString(const std::string &key) override
    {
        auto it = strings.find(key);
        return it == strings.end() ? std::string() : it->second;
    }
    void setString(const std::string &key, const std::string &value) override { strings[key] = value; }
    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
};

// Answers modal windows in order: each step names the class of the window it
// expects and acts on it (normally closing it). A window that no step expects
// is recorded and closed, so a wrong flow fails instead of hanging.
class ModalScript final : public QObject {
public:
    struct Step {
        const char *className;
        std::function<void(QDialog *)> act;
    };

    ModalScript()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }
    void then(const char *className, std::function<void(QDialog *)> act) { m_steps.push_back({className, std::move(act)}); }
    bool done() const { return m_steps.empty(); }

    QStringList unexpected;
    QStringList seen;

private:
    void poll()
    {
        auto *w = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!w || !w->isVisible() || m_busy)
            return;
        m_busy = true;
        const QString name = QString::fromLatin1(w->metaObject()->className());
        if (m_steps.empty() || !w->inherits(m_steps.front().className)) {
            unexpected << name;
            w->done(2);
        } else {
            Step s = m_steps.front();
            m_steps.pop_front();
            seen << name;
            s.act(w);
        }
        m_busy = false;
    }
    QTimer m_timer;
    std::deque<Step> m_steps;
    bool m_busy = false;
};

template <class T> T *Child(QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace rkm::test
