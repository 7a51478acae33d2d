// AlignChildren: views with an Align other than baNone are placed inside
// their parent. Children are visited in the order of their Left, and the
// left and right neighbours are the nearest vertically overlapping views.
#include "report/model/band.h"
#include "report/model/view.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace rq::report::model {
namespace {

// The sort key: "1" + "%9.2f" of Left when positive, else "0" + "%9.2f" of -Left.
std::string sortKey(Extended left) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%9.2f", static_cast<double>(left > 0 ? left : -left));
    return (left > 0 ? "1" : "0") + std::string(buffer);
}

bool overlapVertically(const TfrxComponent& a, const TfrxComponent& b) {
    return !(a.AbsTop() >= b.AbsTop() + b.Height() || b.AbsTop() >= a.AbsTop() + a.Height());
}

const TfrxComponent* leftNeighbour(const std::vector<TfrxComponent*>& list, std::size_t i) {
    for (std::size_t j = i; j-- > 0;) {
        if (overlapVertically(*list[i], *list[j]) && list[j]->AbsLeft() < list[i]->AbsLeft())
            return list[j];
    }
    return nullptr;
}

const TfrxComponent* rightNeighbour(const std::vector<TfrxComponent*>& list, std::size_t i) {
    const Extended right = list[i]->AbsLeft() + list[i]->Width();
    for (std::size_t j = i + 1; j < list.size(); ++j) {
        if (overlapVertically(*list[i], *list[j]) && list[j]->AbsLeft() + list[j]->Width() > right)
            return list[j];
    }
    return nullptr;
}

void alignOne(TfrxView& view, const TfrxComponent& parent, const std::vector<TfrxComponent*>& list,
              std::size_t i) {
    const TfrxComponent* left = leftNeighbour(list, i);
    const TfrxComponent* right = rightNeighbour(list, i);
    const Extended leftEdge = left ? left->Left() + left->Width() : 0;
    const Extended rightEdge = right ? right->Left() : parent.Width();
    switch (view.Align()) {
    case baCenter:
        view.SetLeft((parent.Width() - view.Width()) / 2);
        break;
    case baBottom:
        view.SetTop(parent.Height() - view.Height());
        break;
    case baLeft:
        view.SetLeft(leftEdge);
        break;
    case baRight:
        view.SetLeft(rightEdge - view.Width());
        break;
    case baWidth:
        view.SetLeft(leftEdge);
        view.SetWidth(rightEdge - view.Left());
        break;
    case baNone:
        break;
    }
}

} // namespace

void TfrxComponent::AlignChildren() {
    std::vector<std::pair<std::string, TfrxComponent*>> keyed;
    for (int i = 0; i < Count(); ++i) {
        if (!dynamic_cast<TfrxBand*>(Objects(i)))
            keyed.emplace_back(sortKey(Objects(i)->Left()), Objects(i));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TfrxComponent*> list;
    for (const auto& entry : keyed)
        list.push_back(entry.second);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (auto* view = dynamic_cast<TfrxView*>(list[i]); view && view->Align() != baNone)
            alignOne(*view, *this, list, i);
    }
}

} // namespace rq::report::model
