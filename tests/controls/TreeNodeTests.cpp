// Tree nodes: counting, finding, expanded state and the check rules.
#include "setup/controls/CheckboxTreeNode.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

// Builds trees of check-box nodes by name; IDs count from 1 in creation order.
class NodeForest
{
public:
    ~NodeForest()
    {
        for (CCheckboxTreeNode* root : roots)
            delete root;
    }
    CCheckboxTreeNode* Add(const wchar_t* text, CCheckboxTreeNode* parent = nullptr, DWORD data = 0)
    {
        auto node = new CCheckboxTreeNode(text, 0, 0, data, ++lastId, parent);
        if (parent != nullptr) {
            parent->Add(node);
            node->SetLevel(parent->GetLevel() + 1);
        } else {
            roots.push_back(node);
        }
        byName[text] = node;
        return node;
    }
    CCheckboxTreeNode* operator[](const std::wstring& name) { return byName.at(name); }
    std::vector<CCheckboxTreeNode*> roots;
    std::map<std::wstring, CCheckboxTreeNode*> byName;
    int lastId = 0;
};

TEST(TreeNodeTest, ConstructionAndExpandedState)
{
    CTreeNode plain;
    EXPECT_EQ(-1, plain.GetID());
    EXPECT_EQ(-1, plain.GetImageCollapsed());
    EXPECT_EQ(-1, plain.GetImageExpanded());
    EXPECT_EQ(0, plain.GetLevel());
    EXPECT_EQ(0u, plain.GetItemData());
    EXPECT_TRUE(plain.GetText().IsEmpty());
    EXPECT_EQ(nullptr, plain.GetParent());

    NodeForest f;
    CCheckboxTreeNode* root = f.Add(L"root", nullptr, 7);
    EXPECT_FALSE(root->IsExpanded());
    EXPECT_FALSE(root->IsChecked());
    EXPECT_EQ(7u, root->GetItemData());
    root->SetExpanded(TRUE);
    EXPECT_FALSE(root->IsExpanded()) << "a node without children is never expanded";
    f.Add(L"child", root);
    root->SetExpanded(TRUE);
    EXPECT_TRUE(root->IsExpanded());
}

TEST(TreeNodeTest, CountingAndLastChild)
{
    NodeForest f;
    CCheckboxTreeNode* root = f.Add(L"root");
    CCheckboxTreeNode* inner = f.Add(L"inner", root);
    f.Add(L"a", inner);
    f.Add(L"b", inner);
    CCheckboxTreeNode* last = f.Add(L"last", root);

    EXPECT_EQ(5, root->CountNodes());
    EXPECT_TRUE(root->IsLastChild()) << "every root";
    EXPECT_FALSE(inner->IsLastChild());
    EXPECT_TRUE(last->IsLastChild());
    EXPECT_TRUE(f[L"b"]->IsLastChild());

    inner->SetExpanded(TRUE);
    EXPECT_EQ(0, root->CountVisibleDescendants()) << "collapsed, even with an expanded child";
    EXPECT_EQ(2, inner->CountVisibleDescendants());
    root->SetExpanded(TRUE);
    EXPECT_EQ(4, root->CountVisibleDescendants());
    inner->SetExpanded(FALSE);
    EXPECT_EQ(2, root->CountVisibleDescendants());

    EXPECT_EQ(f[L"b"], root->FindByID(f[L"b"]->GetID()));
    EXPECT_EQ(root, root->FindByID(root->GetID()));
    EXPECT_EQ(nullptr, root->FindByID(99));
}

TEST(TreeNodeTest, FindText)
{
    NodeForest f;
    CCheckboxTreeNode* modules = f.Add(L"Modules");
    CCheckboxTreeNode* moduleA = f.Add(L"Module A", modules);
    f.Add(L"module", moduleA);                // hidden below a node that an exact search rejects
    f.Add(L"modem", modules);
    f.Add(L"module\tv2\tvendor", modules);

    struct Case
    {
        const wchar_t* text;
        BOOL anyNode;
        int prefixLength;
        BOOL exact;
        const wchar_t* expected; // NULL: -1
    } cases[] = {
        { L"mod", FALSE, 3, FALSE, L"module" },     // leaves only: the first leaf in depth-first order
        { L"mod", TRUE, 3, FALSE, L"Modules" },     // the root itself
        { L"MODEM", FALSE, 5, FALSE, L"modem" },    // case is ignored
        { L"modulex", TRUE, 6, FALSE, L"Modules" }, // only the prefix counts
        { L"Module", TRUE, 6, TRUE, nullptr },      // "Modules" matches the prefix but not exactly: ends the search
        { L"xyz", TRUE, 3, FALSE, nullptr },
    };
    for (const Case& c : cases) {
        int expected = c.expected != nullptr ? f[c.expected]->GetID() : -1;
        EXPECT_EQ(expected, modules->FindText(c.text, c.anyNode, c.prefixLength, c.exact))
            << "text " << testing::PrintToString(std::wstring(c.text)) << " any " << c.anyNode << " n "
            << c.prefixLength << " exact " << c.exact;
    }
    // Exact: "Module A" is rejected without searching its children; a first column matches.
    EXPECT_EQ(-1, moduleA->FindText(L"Module", TRUE, 6, TRUE));
    EXPECT_EQ(f[L"module\tv2\tvendor"]->GetID(), f[L"module\tv2\tvendor"]->FindText(L"module", TRUE, 6, TRUE));
}

TEST(TreeNodeTest, DescendantStateAndParentUpdates)
{
    NodeForest f;
    CCheckboxTreeNode* root = f.Add(L"root");
    CCheckboxTreeNode* group = f.Add(L"group", root);
    CCheckboxTreeNode* leaves[3] = { f.Add(L"a", group), f.Add(L"b", group), f.Add(L"c", group) };

    struct Case
    {
        bool a, b, c;
        BOOL any;
        BYTE all;
    } cases[] = {
        { false, false, false, FALSE, 0 },
        { true, false, false, TRUE, 0 },
        { true, true, false, TRUE, 0 },
        { true, true, true, TRUE, 1 },
    };
    for (const Case& c : cases) {
        bool flags[3] = { c.a, c.b, c.c };
        for (int i = 0; i < 3; ++i) {
            leaves[i]->SetChecked(flags[i]);
            leaves[i]->UpdateParents();
        }
        BYTE all = 9;
        EXPECT_EQ(c.any, group->GetDescendantCheckState(&all)) << c.a << c.b << c.c;
        EXPECT_EQ(c.all, all) << c.a << c.b << c.c;
        EXPECT_EQ(c.any, group->IsChecked()) << "the group is checked when any leaf is";
        EXPECT_EQ(c.any, root->IsChecked()) << "and so on up to the root";
    }
    BYTE all = 9;
    EXPECT_FALSE(leaves[0]->GetDescendantCheckState(&all));
    EXPECT_EQ(0, all) << "a leaf starts with all = 0";

    // An inner node counts with its own flag like a leaf: a checked group
    // over unchecked leaves is not "all" for the root.
    for (CCheckboxTreeNode* leaf : leaves)
        leaf->SetChecked(FALSE);
    group->SetChecked(TRUE);
    EXPECT_TRUE(root->GetDescendantCheckState(&all));
    EXPECT_EQ(0, all);
}

TEST(TreeNodeTest, ToggleSetsSubtreeAndRederivesAncestors)
{
    NodeForest f;
    CCheckboxTreeNode* root = f.Add(L"root");
    CCheckboxTreeNode* a = f.Add(L"a", root);
    CCheckboxTreeNode* b = f.Add(L"b", root);
    a->Toggle();
    EXPECT_TRUE(a->IsChecked());
    EXPECT_TRUE(root->IsChecked());
    root->Toggle(); // partly checked: its flag is set, so the toggle unchecks all
    EXPECT_FALSE(a->IsChecked());
    EXPECT_FALSE(b->IsChecked());
    EXPECT_FALSE(root->IsChecked());
    root->Toggle();
    EXPECT_TRUE(a->IsChecked());
    EXPECT_TRUE(b->IsChecked());
    b->Toggle();
    a->Toggle();
    EXPECT_FALSE(root->IsChecked()) << "unchecking every leaf clears the parent";
}

TEST(TreeNodeTest, CollectingAndSearchingDescendants)
{
    NodeForest f;
    CCheckboxTreeNode* root = f.Add(L"root", nullptr, 100);
    CCheckboxTreeNode* inner = f.Add(L"inner", root, 200);
    CCheckboxTreeNode* leaf = f.Add(L"leaf", inner, 300);
    f.Add(L"other", inner, 400);
    CCheckboxTreeNode* second = f.Add(L"second", root, 500);
    root->SetChecked(TRUE);
    leaf->Toggle();
    second->Toggle();

    CDWordArray data;
    data.Add(1); // not emptied first
    root->CollectCheckedItemData(data);
    ASSERT_EQ(4, data.GetSize());
    EXPECT_EQ(1u, data[0]);
    EXPECT_EQ(200u, data[1]) << "the inner node, checked because of its leaf, before the leaf";
    EXPECT_EQ(300u, data[2]);
    EXPECT_EQ(500u, data[3]);

    CStringArray texts;
    root->CollectCheckedTexts(texts);
    ASSERT_EQ(3, texts.GetSize());
    EXPECT_EQ(CString(L"inner"), texts[0]);

    CCheckboxTreeNode* found = nullptr;
    EXPECT_TRUE(root->FindByText(L"other", found));
    EXPECT_EQ(f[L"other"], found);
    found = reinterpret_cast<CCheckboxTreeNode*>(0x1);
    EXPECT_FALSE(root->FindByText(L"Other", found)) << "case-sensitive";
    EXPECT_FALSE(root->FindByText(L"root", found)) << "the node itself is not searched";
    EXPECT_EQ(reinterpret_cast<CCheckboxTreeNode*>(0x1), found) << "left untouched";
    EXPECT_TRUE(root->FindByItemData(300, found));
    EXPECT_EQ(leaf, found);
    EXPECT_FALSE(root->FindByItemData(100, found));
}

} // namespace
