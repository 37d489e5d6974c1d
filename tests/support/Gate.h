#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

/// A one-way signal from a test to the threads it started: they wait until the test opens it. It
/// opens by itself when the test's Gate goes, so a test that ends early never leaves a thread
/// waiting (nor an owner's destructor waiting for that thread).
class Gate {
    struct State {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
    };

  public:
    /// The waiting side, safe to copy into a worker's lambda: it keeps the state alive.
    class Waiter {
      public:
        /// True once the gate is open; false after `limit`, when the test has gone wrong.
        bool wait(std::chrono::milliseconds limit = std::chrono::minutes(1)) const {
            std::unique_lock lock(m_state->mutex);
            return m_state->opened.wait_for(lock, limit, [this] { return m_state->open; });
        }

      private:
        friend class Gate;
        explicit Waiter(std::shared_ptr<State> state) : m_state(std::move(state)) {}
        std::shared_ptr<State> m_state;
    };

    Gate() = default;
    ~Gate() { open(); }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;

    void open() {
        {
            std::lock_guard lock(m_state->mutex);
            m_state->open = true;
        }
        m_state->opened.notify_all();
    }
    bool isOpen() const {
        std::lock_guard lock(m_state->mutex);
        return m_state->open;
    }
    Waiter waiter() const { return Waiter(m_state); }

  private:
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
