#pragma once
#include <initializer_list>
#include <utility>
#include <vector>

namespace velt::ui {

class Control;

// A declared arrangement of controls: columns top to bottom, rows left to right, and
// label/control pairs; the renderer turns it into layouts.
struct LayoutNode {
    enum class Kind { Control, Row, Column, Fields, Stretch };
    Kind kind = Kind::Column;
    Control* control = nullptr;
    std::vector<LayoutNode> children;  // Fields: label, control, label, control, …

    LayoutNode() = default;
    LayoutNode(Control* c) : kind(Kind::Control), control(c) {}
    LayoutNode(Control& c) : kind(Kind::Control), control(&c) {}
    LayoutNode(Kind k, std::vector<LayoutNode> items) : kind(k), children(std::move(items)) {}

    void add(LayoutNode node) { children.push_back(std::move(node)); }
    bool isEmpty() const { return children.empty() && !control; }
};
using Layout = LayoutNode;

inline LayoutNode row(std::vector<LayoutNode> items) { return {LayoutNode::Kind::Row, std::move(items)}; }
inline LayoutNode column(std::vector<LayoutNode> items) { return {LayoutNode::Kind::Column, std::move(items)}; }
inline LayoutNode stretch() { return {LayoutNode::Kind::Stretch, {}}; }
// Label and control pairs, one pair a line.
inline LayoutNode fields(std::initializer_list<std::pair<Control*, Control*>> pairs) {
    LayoutNode n{LayoutNode::Kind::Fields, {}};
    for (auto& [label, control] : pairs) {
        n.children.emplace_back(label);
        n.children.emplace_back(control);
    }
    return n;
}

} // namespace velt::ui
