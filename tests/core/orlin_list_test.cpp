#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <orlin/orlin_list.h>

namespace {

// An element that counts how often it is destroyed.
struct Counted {
    static int deletions;
    int value = 0;
    explicit Counted(int v) : value(v) {}
    ~Counted() { ++deletions; }
};
int Counted::deletions = 0;

using List = OrlinList<Counted>;
using Node = OrlinListNode<Counted>;

// The items from head to tail, checking every link on the way: prev
// pointers mirror next pointers, the ends are null, count matches.
std::vector<Counted*> itemsOf(const List& list)
{
    std::vector<Counted*> items;
    const Node* previous = nullptr;
    for (const Node* node = list.head; node != nullptr; node = node->next) {
        EXPECT_EQ(node->prev, previous) << "broken prev link at index " << items.size();
        items.push_back(node->item);
        previous = node;
        if (items.size() > list.count + 1)
            break;  // a cycle; the size check below reports it
    }
    EXPECT_EQ(list.tail, previous);
    EXPECT_EQ(items.size(), list.count);
    if (list.count == 0) {
        EXPECT_EQ(list.head, nullptr);
        EXPECT_EQ(list.tail, nullptr);
    }
    return items;
}

// Owns the elements of the tests whose lists do not own them.
class ListTest : public ::testing::Test {
protected:
    void SetUp() override { Counted::deletions = 0; }

    Counted* make(int value)
    {
        pool.push_back(std::make_unique<Counted>(value));
        return pool.back().get();
    }

    // A non-owning list holding `n` fresh items, which `items` receives.
    void fill(List& list, int n, std::vector<Counted*>& items)
    {
        for (int i = 0; i < n; ++i) {
            items.push_back(make(i));
            list.insert(items.back(), static_cast<int>(list.count));
        }
    }

    std::vector<std::unique_ptr<Counted>> pool;
};

struct InsertCase {
    int index;
    int expectedPosition;  // where the new item ends up in a list of four
};

class InsertIntoFour : public ListTest, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertIntoFour, PutsTheItemWhereTheIndexSays)
{
    List list;
    std::vector<Counted*> items;
    fill(list, 4, items);
    Counted* added = make(99);

    Node* node = list.insert(added, GetParam().index);

    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->item, added);
    items.insert(items.begin() + GetParam().expectedPosition, added);
    EXPECT_EQ(itemsOf(list), items);
    EXPECT_EQ(list.nodeAt(GetParam().expectedPosition), node);
}

INSTANTIATE_TEST_SUITE_P(Indexes, InsertIntoFour,
                         ::testing::Values(InsertCase{-1, 0}, InsertCase{-1000, 0}, InsertCase{0, 0},
                                           InsertCase{1, 1}, InsertCase{2, 2}, InsertCase{3, 3},
                                           InsertCase{4, 4}, InsertCase{5, 4}, InsertCase{1000, 4}));

TEST_F(ListTest, InsertIntoAnEmptyListMakesHeadAndTailWhateverTheIndex)
{
    for (int index : {-1, 0, 3}) {
        List list;
        Counted* item = make(index);
        Node* node = list.insert(item, index);
        EXPECT_EQ(list.head, node);
        EXPECT_EQ(list.tail, node);
        EXPECT_EQ(itemsOf(list), std::vector<Counted*>{item});
    }
}

TEST_F(ListTest, InsertAfterTheTailMakesANewTail)
{
    List list;
    std::vector<Counted*> items;
    fill(list, 3, items);
    Counted* added = make(7);

    Node* node = list.insertAfter(added, list.tail);

    EXPECT_EQ(list.tail, node);
    items.push_back(added);
    EXPECT_EQ(itemsOf(list), items);
}

TEST_F(ListTest, InsertAfterAMiddleNodeGoesBetweenItAndItsSuccessor)
{
    List list;
    std::vector<Counted*> items;
    fill(list, 3, items);
    Counted* added = make(7);

    list.insertAfter(added, list.head);

    items.insert(items.begin() + 1, added);
    EXPECT_EQ(itemsOf(list), items);
}

// A list that sees how insertAfter falls back on insert.
class InsertSpy : public List {
public:
    int inserts = 0;
    int lastIndex = 0;
    Node* insert(Counted* item, int index) override
    {
        ++inserts;
        lastIndex = index;
        return List::insert(item, index);
    }
};

TEST_F(ListTest, InsertAfterNothingInsertsAtTheHeadThroughTheVirtualInsert)
{
    InsertSpy list;
    Counted* first = make(1);
    Counted* second = make(2);

    list.insertAfter(first, nullptr);  // empty list
    list.insertAfter(second, nullptr);  // no node given

    EXPECT_EQ(list.inserts, 2);
    EXPECT_EQ(list.lastIndex, -1);
    EXPECT_EQ(itemsOf(list), (std::vector<Counted*>{second, first}));
}

TEST_F(ListTest, IndexesOutsideTheListGiveNothingAndChangeNothing)
{
    List list;
    std::vector<Counted*> items;
    fill(list, 4, items);

    for (int index : {-1, -100, 4, 5}) {
        EXPECT_EQ(list.nodeAt(index), nullptr) << index;
        EXPECT_EQ(list.get(index), nullptr) << index;
        EXPECT_FALSE(list.removeAt(index)) << index;
    }
    EXPECT_EQ(itemsOf(list), items);

    List empty;
    EXPECT_EQ(empty.nodeAt(0), nullptr);
    EXPECT_EQ(empty.get(0), nullptr);
    EXPECT_FALSE(empty.removeAt(0));
}

// nodeAt walks from whichever end is nearer; the answers must be those of a
// plain walk from the head, for short and long lists, odd and even.
TEST_F(ListTest, NodeAtAgreesWithAForwardWalkForEveryIndexAndLength)
{
    for (int length = 0; length <= 12; ++length) {
        List list;
        std::vector<Counted*> items;
        fill(list, length, items);
        int index = 0;
        for (Node* node = list.head; node != nullptr; node = node->next, ++index) {
            EXPECT_EQ(list.nodeAt(index), node) << "index " << index << " of " << length;
            EXPECT_EQ(list.get(index), items[static_cast<std::size_t>(index)]) << "index " << index << " of " << length;
            EXPECT_EQ(list.indexOf(node->item), index);
        }
        EXPECT_EQ(index, length);
    }
}

struct RemoveCase {
    int index;
    int length;
};

class RemoveAtIndex : public ListTest, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveAtIndex, UnlinksJustThatNode)
{
    List list;
    std::vector<Counted*> items;
    fill(list, GetParam().length, items);

    EXPECT_TRUE(list.removeAt(GetParam().index));

    items.erase(items.begin() + GetParam().index);
    EXPECT_EQ(itemsOf(list), items);
    EXPECT_EQ(Counted::deletions, 0) << "a list that does not own its items deleted one";
}

INSTANTIATE_TEST_SUITE_P(Positions, RemoveAtIndex,
                         ::testing::Values(RemoveCase{0, 5}, RemoveCase{1, 5}, RemoveCase{2, 5}, RemoveCase{3, 5},
                                           RemoveCase{4, 5}, RemoveCase{0, 2}, RemoveCase{1, 2},
                                           RemoveCase{0, 1}));

TEST_F(ListTest, RemovingTheOnlyNodeEmptiesTheList)
{
    List list;
    list.insert(make(1), 0);

    EXPECT_TRUE(list.removeNode(list.head));

    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    EXPECT_EQ(list.count, 0u);
    // And it can be used again.
    Counted* again = make(2);
    list.insert(again, 5);
    EXPECT_EQ(itemsOf(list), std::vector<Counted*>{again});
}

TEST_F(ListTest, RemoveNodeOfNothingIsRefused)
{
    List list;
    std::vector<Counted*> items;
    fill(list, 2, items);
    EXPECT_FALSE(list.removeNode(nullptr));
    EXPECT_EQ(itemsOf(list), items);
}

TEST_F(ListTest, ItemsAreFoundByIdentityFirstMatchFirst)
{
    List list;
    Counted* a = make(1);
    Counted* twin = make(1);  // equal value, different object
    list.insert(a, -1);
    list.insert(twin, -1);
    list.insert(a, -1);  // a is now at 0 and at 2

    EXPECT_EQ(list.findNode(a), list.head);
    EXPECT_EQ(list.indexOf(a), 0);
    EXPECT_EQ(list.indexOf(twin), 1);
    Counted stranger(1);
    EXPECT_EQ(list.findNode(&stranger), nullptr);
    EXPECT_EQ(list.indexOf(&stranger), -1);
    EXPECT_FALSE(list.remove(&stranger));

    EXPECT_TRUE(list.remove(a));
    EXPECT_EQ(itemsOf(list), (std::vector<Counted*>{twin, a}));
}

TEST(OrlinListOwnership, AnOwningListDeletesWhatItUnlinksAndTheRestWhenDestroyed)
{
    Counted::deletions = 0;
    auto* list = new List(true);
    for (int i = 0; i < 5; ++i)
        list->insert(new Counted(i), -1);

    EXPECT_TRUE(list->removeAt(2));
    EXPECT_EQ(Counted::deletions, 1);
    EXPECT_TRUE(list->removeNode(list->tail));
    EXPECT_EQ(Counted::deletions, 2);
    EXPECT_TRUE(list->remove(list->head->item));
    EXPECT_EQ(Counted::deletions, 3);

    delete list;
    EXPECT_EQ(Counted::deletions, 5);
}

TEST(OrlinListOwnership, ANonOwningListLeavesItsItemsAlone)
{
    Counted::deletions = 0;
    std::vector<std::unique_ptr<Counted>> items;
    {
        List list(false);
        for (int i = 0; i < 4; ++i) {
            items.push_back(std::make_unique<Counted>(i));
            list.insert(items.back().get(), -1);
        }
        list.removeAt(0);
    }
    EXPECT_EQ(Counted::deletions, 0);
}

}  // namespace
