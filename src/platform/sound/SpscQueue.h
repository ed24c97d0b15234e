#pragma once
// Bounded lock-free queue between exactly one producer thread and one consumer thread.
// Storage is allocated once in the constructor; pushing and popping never allocate.

#include <atomic>
#include <cstddef>
#include <memory>
#include <type_traits>

template <typename T> class SpscQueue {
    static_assert(std::is_trivially_copyable_v<T>, "queue items are copied as plain values");

public:
    // capacity is rounded up to a power of two.
    explicit SpscQueue(std::size_t capacity) {
        std::size_t size = 2;
        while (size < capacity) {
            size *= 2;
        }
        m_mask = size - 1;
        m_items = std::make_unique<T[]>(size);
    }

    // Producer: false when the queue is full (nothing is stored then).
    bool TryPush(const T& item) {
        const std::size_t tail = m_tail.load(std::memory_order_relaxed);
        if (tail - m_head.load(std::memory_order_acquire) > m_mask) {
            return false;
        }
        m_items[tail & m_mask] = item;
        m_tail.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Consumer: the oldest item without removing it, or null when empty.
    const T* Front() const {
        const std::size_t head = m_head.load(std::memory_order_relaxed);
        if (head == m_tail.load(std::memory_order_acquire)) {
            return nullptr;
        }
        return &m_items[head & m_mask];
    }

    // Consumer: removes the item Front() returned.
    void PopFront() {
        m_head.store(m_head.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

    // Consumer: false when empty.
    bool TryPop(T& item) {
        const T* front = Front();
        if (front == nullptr) {
            return false;
        }
        item = *front;
        PopFront();
        return true;
    }

    // Consumer: true when there is nothing to pop.
    bool Empty() const { return Front() == nullptr; }

    // Producer: true when TryPush would fail.
    bool Full() const {
        return m_tail.load(std::memory_order_relaxed) - m_head.load(std::memory_order_acquire) >
               m_mask;
    }

private:
    std::unique_ptr<T[]> m_items;
    std::size_t m_mask = 0;
    alignas(64) std::atomic<std::size_t> m_head{0};
    alignas(64) std::atomic<std::size_t> m_tail{0};
};
