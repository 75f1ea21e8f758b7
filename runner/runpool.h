#ifndef VORMIS_RUNNER_RUNPOOL_H
#define VORMIS_RUNNER_RUNPOOL_H

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Runs count pieces of work, numbered 0 .. count - 1, on a number of threads
// and hands their output to the thread that made the pool in the pieces'
// order, whatever order they finish in.  A piece's output is text (the CSV
// rows, which it may hand over bit by bit as it goes) and, at its end, a
// value of type Outcome.
//
// The text of the piece next in order is passed on as it comes; the text of
// pieces that finish early waits.  No piece starts more than `window` places
// ahead of the next in order, so what waits stays bounded however many
// pieces there are.
//
// The work must not touch anything the other pieces touch: each piece builds
// what it needs.  Outcome must be default-constructible and movable.
template <typename Outcome>
class RunPool
{
public:
    // Hands text over; takes its contents and leaves it empty.
    using Emit = std::function<void(std::string &text)>;
    using Work = std::function<Outcome(std::size_t piece, const Emit &handOver)>;

    RunPool(std::size_t count, int threads, std::size_t window, Work work)
        : m_count(count), m_window(std::max<std::size_t>(window, 1)), m_work(std::move(work))
    {
        for (int i = 0; i < threads && static_cast<std::size_t>(i) < count; ++i)
            m_threads.emplace_back([this] { serve(); });
    }

    ~RunPool()
    {
        for (std::thread &thread : m_threads)
            thread.join();
    }

    RunPool(const RunPool &) = delete;
    RunPool &operator=(const RunPool &) = delete;

    enum class Event {
        Text,     // text holds more of the next piece's output
        Finished, // text holds the rest of it, outcome its outcome
        Waiting,  // nothing new within the timeout
        Done      // every piece has been handed over
    };

    // Called by the pool's owner, and only by it, until it returns Done.
    Event next(std::string &text, Outcome &outcome, std::chrono::milliseconds timeout)
    {
        text.clear();
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_head == m_count)
            return Event::Done;
        const auto ready = [this] {
            const auto slot = m_slots.find(m_head);
            return slot != m_slots.end() && (slot->second.finished || !slot->second.text.empty());
        };
        if (!m_changed.wait_for(lock, timeout, ready))
            return Event::Waiting;
        Slot &slot = m_slots[m_head];
        text.swap(slot.text);
        if (!slot.finished)
            return Event::Text;
        outcome = std::move(slot.outcome);
        m_slots.erase(m_head);
        ++m_head;
        m_room.notify_all();
        return Event::Finished;
    }

    std::size_t finishedCount() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_finished;
    }

private:
    struct Slot
    {
        std::string text;
        bool finished = false;
        Outcome outcome;
    };

    bool claim(std::size_t &piece)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_room.wait(lock, [this] { return m_nextPiece == m_count || m_nextPiece < m_head + m_window; });
        if (m_nextPiece == m_count)
            return false;
        piece = m_nextPiece++;
        m_slots[piece];
        return true;
    }

    void serve()
    {
        std::size_t piece = 0;
        while (claim(piece)) {
            const Emit handOver = [this, piece](std::string &text) {
                std::lock_guard<std::mutex> lock(m_mutex);
                std::string &waiting = m_slots[piece].text;
                if (waiting.empty())
                    waiting.swap(text);
                else
                    waiting += text;
                text.clear();
                if (piece == m_head)
                    m_changed.notify_all();
            };
            Outcome outcome = m_work(piece, handOver);
            std::lock_guard<std::mutex> lock(m_mutex);
            Slot &slot = m_slots[piece];
            slot.outcome = std::move(outcome);
            slot.finished = true;
            ++m_finished;
            m_changed.notify_all();
        }
    }

    const std::size_t m_count;
    const std::size_t m_window;
    const Work m_work;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed; // the next piece has output
    std::condition_variable m_room;    // the next piece in order moved on
    std::map<std::size_t, Slot> m_slots; // claimed and not yet handed over
    std::size_t m_nextPiece = 0;
    std::size_t m_head = 0; // the next piece to hand over
    std::size_t m_finished = 0;
    std::vector<std::thread> m_threads;
};

#endif
