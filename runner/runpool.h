#ifndef VORMIS_RUNNER_RUNPOOL_H
#define VORMIS_RUNNER_RUNPOOL_H

#include "spillfile.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
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
// pieces that run ahead waits.  No piece starts more than `window` places
// ahead of the next in order, and a waiting piece keeps at most
// `waitingBytes` of its text in memory, the rest in a file of its own
// (SpillFile), so memory stays bounded however many pieces there are and
// however much text each makes.
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

    RunPool(std::size_t count, int threads, std::size_t window, Work work, std::size_t waitingBytes = 1 << 20)
        : m_count(count), m_window(std::max<std::size_t>(window, 1)), m_waitingBytes(waitingBytes),
          m_work(std::move(work))
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
        Failed,   // text that waited on disk could not be read back, and is lost
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
            return slot != m_slots.end() && (slot->second.finished || slot->second.hasText());
        };
        if (!m_changed.wait_for(lock, timeout, ready))
            return Event::Waiting;
        Slot &slot = m_slots[m_head];
        // What waited on disk came before what is in memory.
        if (slot.spill && !slot.spill->drained()) {
            if (slot.spill->readInto(text, m_waitingBytes))
                return Event::Text;
            slot.spill.reset();
            return Event::Failed;
        }
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
        std::unique_ptr<SpillFile> spill; // the text's start, while it waits
        bool finished = false;
        Outcome outcome;

        bool hasText() const { return !text.empty() || (spill && !spill->drained()); }
    };

    // Moves a waiting piece's text to its file; keeps it in memory if the
    // file cannot take it.
    void spillWaiting(Slot &slot)
    {
        if (!slot.spill)
            slot.spill = std::make_unique<SpillFile>();
        if (slot.spill->append(slot.text))
            slot.text.clear();
    }

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
                Slot &slot = m_slots[piece];
                if (slot.text.empty())
                    slot.text.swap(text);
                else
                    slot.text += text;
                text.clear();
                if (piece == m_head)
                    m_changed.notify_all();
                else if (slot.text.size() >= m_waitingBytes)
                    spillWaiting(slot);
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
    const std::size_t m_waitingBytes;
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
