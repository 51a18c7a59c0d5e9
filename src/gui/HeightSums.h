#pragma once

#include <cstddef>
#include <vector>

namespace gui {

// Heights of consecutive items (a document's paragraphs) with their running sums, so that
// the top of an item and the item at a height are found in logarithmic time, and changing
// one height costs as much. A Fenwick tree.
class HeightSums {
public:
    void assign(const std::vector<double>& heights);
    [[nodiscard]] std::size_t size() const { return tree_.size(); }

    void set(std::size_t index, double height);
    // The sum of the heights before `index`.
    [[nodiscard]] double before(std::size_t index) const;
    [[nodiscard]] double total() const { return before(size()); }
    // The item that holds height `y`, counted from the first one's top: the last whose
    // top is at or above it; the first for a y above them all, 0 when there are none.
    [[nodiscard]] std::size_t indexAt(double y) const;

private:
    std::vector<double> tree_;
    std::vector<double> heights_;
};

} // namespace gui
