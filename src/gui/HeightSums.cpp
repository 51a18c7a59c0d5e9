#include "gui/HeightSums.h"

#include <bit>

namespace gui {

void HeightSums::assign(const std::vector<double>& heights) {
    heights_ = heights;
    tree_ = heights;
    for (std::size_t node = 1; node <= tree_.size(); ++node) {
        const std::size_t parent = node + (node & (~node + 1));
        if (parent <= tree_.size())
            tree_[parent - 1] += tree_[node - 1];
    }
}

void HeightSums::set(std::size_t index, double height) {
    const double change = height - heights_[index];
    if (change == 0)
        return;
    heights_[index] = height;
    for (std::size_t node = index + 1; node <= tree_.size(); node += node & (~node + 1))
        tree_[node - 1] += change;
}

double HeightSums::before(std::size_t index) const {
    double sum = 0;
    for (std::size_t node = index; node > 0; node -= node & (~node + 1))
        sum += tree_[node - 1];
    return sum;
}

std::size_t HeightSums::indexAt(double y) const {
    if (tree_.empty())
        return 0;
    // The largest count of items whose heights together stay at or below y.
    std::size_t count = 0;
    double sum = 0;
    for (std::size_t step = std::bit_floor(tree_.size()); step > 0; step >>= 1) {
        const std::size_t next = count + step;
        if (next <= tree_.size() && sum + tree_[next - 1] <= y) {
            count = next;
            sum += tree_[next - 1];
        }
    }
    return count < tree_.size() ? count : tree_.size() - 1;
}

} // namespace gui
