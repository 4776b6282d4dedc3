#pragma once

#include <memory>
#include <vector>

// An ordered array of owned elements. Insertion order is kept: every file writer and
// every result reader walks the array in it.
template <class T> class CElementArray {
public:
    void Add(std::unique_ptr<T> element) { m_items.push_back(std::move(element)); }
    // Destroys the element at `index`; 0 when the index is out of range.
    int Remove(int index) {
        if (index < 0 || index >= Count()) return 0;
        m_items.erase(m_items.begin() + index);
        return 1;
    }
    T* Get(int index) const {
        if (index < 0 || index >= Count()) return nullptr;
        return m_items[static_cast<std::size_t>(index)].get();
    }
    int Count() const { return static_cast<int>(m_items.size()); }
    // Deletes from the last element to the first.
    void Clear() {
        while (!m_items.empty()) m_items.pop_back();
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<std::unique_ptr<T>> m_items;
};
