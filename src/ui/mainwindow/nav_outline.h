#pragma once
// The Display menu and the navigation tree are built from the page
// catalogue's outlines: one walk, two kinds of node.
#include <QString>
#include <span>
#include <vector>

#include "case/page_catalogue.h"

namespace wm4 {

// Walks the outline depth first. group(parent, item) makes the node of a
// group and returns it; leaf(parent, item) adds an item below parent.
template <typename Node, typename MakeGroup, typename MakeLeaf>
void WalkOutline(std::span<const NavItem> items, Node root, MakeGroup group, MakeLeaf leaf) {
    std::vector<Node> parents{root};  // parents[d]: the node items of depth d go below
    for (const NavItem& item : items) {
        parents.resize(static_cast<size_t>(item.depth) + 1);
        const Node parent = parents.back();
        if (item.kind == NavKind::Group)
            parents.push_back(group(parent, item));
        else
            leaf(parent, item);
    }
}

// A menu text as shown where "&" is no mnemonic (the tree): "&&" -> "&".
inline QString PlainOutlineText(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

}  // namespace wm4
