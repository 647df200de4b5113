// A fixed-size lock-free queue for one producer thread and one consumer
// thread; neither side allocates or blocks.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

namespace services::audio {

template <typename T, std::size_t Capacity>
class SpscQueue {
public:
    // False when the queue is full.
    bool Push(const T& item) {
        std::size_t tail = tail_.load(std::memory_order_relaxed);
        std::size_t next = (tail + 1) % Capacity;
        if (next == head_.load(std::memory_order_acquire)) return false;
        items_[tail] = item;
        tail_.store(next, std::memory_order_release);
        return true;
    }

    // False when the queue is empty.
    bool Pop(T& item) {
        std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) return false;
        item = items_[head];
        head_.store((head + 1) % Capacity, std::memory_order_release);
        return true;
    }

private:
    std::array<T, Capacity> items_{};
    std::atomic<std::size_t> head_{0};
    std::atomic<std::size_t> tail_{0};
};

}  // namespace services::audio
