#include "gui/BackgroundSearch.h"

namespace rkm {

BackgroundSearch::BackgroundSearch(QObject *parent) : QObject(parent) {}

BackgroundSearch::~BackgroundSearch()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundSearch::start(Work work, Done done)
{
    cancel();
    m_stop = false;
    m_error = nullptr;
    m_done = std::move(done);
    m_cursor.emplace(Qt::BusyCursor);
    const int generation = ++m_generation;
    m_thread = std::thread([this, generation, work = std::move(work)] {
        try {
            work(m_stop);
        } catch (...) {
            m_error = std::current_exception();
        }
        // Dropped unread if this object goes first (it joins the thread).
        QMetaObject::invokeMethod(
            this, [this, generation] { finished(generation); }, Qt::QueuedConnection);
    });
    emit runningChanged(true);
}

bool BackgroundSearch::cancel()
{
    if (!m_thread.joinable())
        return false;
    m_stop = true;
    m_thread.join();
    m_done = nullptr;
    m_cursor.reset();
    emit runningChanged(false);
    return true;
}

void BackgroundSearch::finished(int generation)
{
    // A job cancelled or replaced meanwhile has had its end.
    if (generation != m_generation || !m_thread.joinable())
        return;
    m_thread.join();
    m_cursor.reset();
    const Done done = std::move(m_done);
    m_done = nullptr;
    emit runningChanged(false);
    if (done)
        done(m_error);
}

} // namespace rkm
