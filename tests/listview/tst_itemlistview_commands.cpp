// The item list's commands on the current row: finding, deleting and updating rows, the link
// queries and columns, the viewer programs, the item dialogs it opens, the context menu and
// rebuilding, with message boxes, the desktop and the context menu replaced by recorders
// (ItemListViewTestSupport).

#include "ItemListViewTestSupport.h"
#include "funiQListViewItem.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItemIterator>

using namespace ItemListViewTesting;

class TestItemListViewCommands : public ItemListViewFixture
{
    Q_OBJECT

private Q_SLOTS:
    void findListViewItem();
    void selectionAndDelete();
    void updateItemRowMovesToNewGroup();
    void updateItemRowRewritesCells();
    void selectionAndLinkQueries();
    void pressOnLinkColumns();
    void pictureViewerFallsBack();
    void showUrl();
    void showUrlWithoutLinkWarns();
    void editRequests();
    void contextMenu();
    void rebuildAndClear();
};

void TestItemListViewCommands::findListViewItem()
{
    // With no rows the current row stays as it was: none.
    QCOMPARE(m_list->FindListViewItem(nullptr), nullptr);

    Item* kettle = add(0, QStringLiteral("Kettle"));
    Item* sledge = add(2, QStringLiteral("Sledge"));
    fill();
    QTreeWidgetItem* found = m_list->FindListViewItem(kettle);
    QCOMPARE(funiQListViewItem::itemOf(found), kettle);
    QCOMPARE(m_list->isItemSelected(), found);
    QCOMPARE(funiQListViewItem::itemOf(m_list->FindListViewItem(sledge)), sledge);

    // An Item without a row leaves the last row of the tree current.
    Item stranger;
    QTreeWidgetItem* last = m_list->FindListViewItem(&stranger);
    QCOMPARE(last, m_list->topLevelItem(2)->child(0));
    QCOMPARE(m_list->isItemSelected(), last);
}

void TestItemListViewCommands::selectionAndDelete()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    Item* pan = add(0, QStringLiteral("Pan"));
    Item* pot = add(0, QStringLiteral("Pot"));
    for (int i = 0; i < 60; ++i)
        add(2, QStringLiteral("Box %1").arg(i, 2, 10, QLatin1Char('0')));
    fill();
    m_list->resize(800, 400);
    m_list->show();
    m_list->sortByColumn(1, Qt::AscendingOrder);
    m_list->ViewAll(false);
    QTreeWidgetItem* attic = m_list->topLevelItem(0);
    m_list->expandItem(attic);
    auto rowOf = [this](Item* item) {
        for (QTreeWidgetItemIterator it(m_list.get()); *it; ++it) {
            if (funiQListViewItem::itemOf(*it) == item)
                return *it;
        }
        return static_cast<QTreeWidgetItem*>(nullptr);
    };
    auto click = [this](QTreeWidgetItem* row, Qt::KeyboardModifiers modifiers) {
        const QPoint at(m_list->columnViewportPosition(1) + 5, m_list->visualItemRect(row).center().y());
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, at);
    };

    // A new item below sixty others appears selected and in view, its closed group opened.
    Item* cup = add(0, QStringLiteral("Cup"));
    m_list->addItemRow(cup, true);
    QTreeWidgetItem* cupRow = rowOf(cup);
    QVERIFY(cupRow->parent()->isExpanded());
    QCOMPARE(m_list->selectedItems(), QList<QTreeWidgetItem*>{ cupRow });
    QCOMPARE(m_list->isItemSelected(), cupRow);
    QTRY_VERIFY(m_list->viewport()->rect().contains(QPoint(5, m_list->visualItemRect(cupRow).center().y())));

    // Shift selects a range, Ctrl adds single rows (a group row among them).
    m_list->scrollToBottom();
    click(rowOf(kettle), {});
    click(rowOf(pot), Qt::ShiftModifier);
    QCOMPARE(m_list->selectedItems().size(), 3); // Kettle, Pan, Pot
    click(cupRow, Qt::ControlModifier);
    click(cupRow->parent(), Qt::ControlModifier);
    QCOMPARE(m_list->selectedItems().size(), 5);

    // Delete asks once for the four items and takes them as one change; the group row stays.
    QList<int> answers{ 1, 0 };
    MessageBoxes::setAnswerer([this, &answers](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return answers.takeFirst();
    });
    DBItemCollection::setModified(false);
    m_list->DeleteItem();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_collection->count(), 64);
    QVERIFY(!DBItemCollection::isModified());
    m_list->DeleteItem();
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].text, QStringLiteral("DELETE_ROWS_QUESTION 4"));
    QCOMPARE(m_collection->count(), 60);
    for (Item* gone : { kettle, pan, pot, cup })
        QVERIFY(!rowOf(gone));
    QCOMPARE(m_list->topLevelItemCount(), 3);
    QVERIFY(DBItemCollection::isModified());
    // The row the list now highlights is the one commands act on.
    QTreeWidgetItem* current = m_list->isItemSelected();
    QVERIFY(current);
    QCOMPARE(current, m_list->currentItem());
    QCOMPARE(m_list->selectedItems(), QList<QTreeWidgetItem*>{ current });

    // One row goes without a question; a row nobody selected (the walk of a search leaves a
    // current row) does not go at all.
    m_list->clearSelection();
    m_list->FindListViewItem(m_collection->at(0));
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 60);
    QTreeWidgetItem* box = rowOf(m_collection->at(0));
    m_list->ItemSelected(box);
    m_list->DeleteItem();
    QCOMPARE(m_collection->count(), 59);
    QCOMPARE(m_boxes.size(), 2);
}

void TestItemListViewCommands::updateItemRowMovesToNewGroup()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    add(0, QStringLiteral("Pan"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    kettle->setType(1);
    kettle->setName(QStringLiteral("Umbrella stand"));
    m_list->updateItemRow(row, kettle);

    const QTreeWidgetItem* hall = m_list->topLevelItem(1);
    QCOMPARE(hall->text(0), QStringLiteral("Hall"));
    QCOMPARE(hall->childCount(), 1);
    QTreeWidgetItem* moved = hall->child(0);
    QCOMPARE(funiQListViewItem::itemOf(moved), kettle);
    QCOMPARE(moved->text(1), QStringLiteral("Umbrella stand"));
    QVERIFY(moved->isSelected());
    QCOMPARE(m_list->selectedItems().size(), 1);
    QCOMPARE(m_list->isItemSelected(), moved);
    QCOMPARE(m_list->topLevelItem(2)->childCount(), 1);

    // A group beyond the list moves the row under the unknown group, still shown.
    kettle->setType(9);
    m_list->updateItemRow(moved, kettle);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_list->topLevelItemCount(), 4);
    QCOMPARE(funiQListViewItem::itemOf(m_list->topLevelItem(3)->child(0)), kettle);
}

void TestItemListViewCommands::updateItemRowRewritesCells()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("kettle.png"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    kettle->setName(QStringLiteral("Copper kettle"));
    kettle->setNumber_of_items(2);
    kettle->setPrice(4.5);
    kettle->setLocation(5);
    kettle->setDocument(QStringLiteral("guide.txt"));
    kettle->setPhotolink(QString());
    // The row shows the Item as it was until it is told otherwise.
    QCOMPARE(row->text(1), QStringLiteral("Kettle"));
    QCOMPARE(row->text(5), QStringLiteral("0.00"));
    m_list->updateItemRow(row, kettle);
    QCOMPARE(m_list->FindListViewItem(kettle), row);
    QCOMPARE(row->text(1), QStringLiteral("Copper kettle"));
    QCOMPARE(row->text(5), QStringLiteral("9.00"));
    QCOMPARE(row->text(10), QStringLiteral("Error"));
    QVERIFY(!row->icon(16).isNull());
    // An icon once shown stays when its link no longer names a picture.
    QVERIFY(!row->icon(7).isNull());
    QCOMPARE(row->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

void TestItemListViewCommands::selectionAndLinkQueries()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setWww(QStringLiteral("https://example.org/kettle"));
    kettle->setReceipt(QStringLiteral("r.pdf"));
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    QTreeWidgetItem* row = kitchen->child(0);

    // Before anything is current, nothing has links.
    ItemListView fresh(nullptr);
    QVERIFY(!fresh.HasUrl(row));

    QSignalSpy selected(m_list.get(), &ItemListView::rowSelected);
    m_list->setCurrentItem(row);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0][0].value<QTreeWidgetItem*>(), row);
    QCOMPARE(m_list->isItemSelected(), row);
    QVERIFY(row->isSelected());
    QVERIFY(m_list->HasUrl(row));
    QVERIFY(m_list->HasReceipt(row));
    QVERIFY(!m_list->HasPictureLink(row));
    QVERIFY(!m_list->HasDocument(row));
    QVERIFY(!m_list->HasUrl(kitchen));
    QVERIFY(!m_list->HasUrl(nullptr));

    // Choosing another row leaves only that one selected.
    m_list->ItemSelected(kitchen);
    QCOMPARE(m_list->selectedItems(), QList<QTreeWidgetItem*>{ kitchen });
    m_list->ItemSelected(nullptr);
    QCOMPARE(m_list->isItemSelected(), kitchen);

    m_list->UpdateGroupItemName(0, QStringLiteral("Scullery"));
    QCOMPARE(kitchen->text(0), QStringLiteral("Scullery"));
}

void TestItemListViewCommands::pressOnLinkColumns()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("/pictures/kettle.gif"));
    kettle->setReceipt(QStringLiteral("/receipts/kettle.Jpg"));
    const QString manual = file(QStringLiteral("kettle manual.pdf"));
    kettle->setDocument(manual);
    Item* pan = add(0, QStringLiteral("Pan"));
    const QString panReceipt = file(QStringLiteral("pan.pdf"));
    pan->setReceipt(panReceipt);
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));

    // A picture opens inside the program, whatever viewer is chosen: an item dialog without a
    // parent, on the picture page, or on the receipt page for the receipt.
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);
    m_list->MousePressed(row, 7);
    QList<ItemDialog*> dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QCOMPARE(dialogs[0]->parent(), nullptr);
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("picturePage"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));
    m_list->MousePressed(row, 8);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("receiptPage"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));
    QVERIFY(m_starts.isEmpty());

    // A document goes to the desktop as stored.
    m_list->MousePressed(row, 16);
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(manual) });

    // A receipt that is no picture goes to the desktop, never to the viewer.
    m_opened.clear();
    m_list->MousePressed(m_list->FindListViewItem(pan), 8);
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(panReceipt) });
    QVERIFY(m_starts.isEmpty());

    // Other columns, group rows and missing links do nothing.
    m_opened.clear();
    m_list->MousePressed(m_list->FindListViewItem(pan), 1);
    m_list->MousePressed(m_list->FindListViewItem(pan), 7);
    m_list->MousePressed(m_list->FindListViewItem(pan), 16);
    m_list->ItemSelected(kitchen);
    m_list->MousePressed(kitchen, 8);
    m_list->MousePressed(nullptr, 8);
    QVERIFY(itemDialogs().isEmpty());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_starts.isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

void TestItemListViewCommands::pictureViewerFallsBack()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    const QString scan = file(QStringLiteral("kettle.pdf"));
    kettle->setPhotolink(scan);
    fill();
    m_list->FindListViewItem(kettle);

    // The default viewer is tried first; when it cannot start, the box names it and the desktop
    // opens the file.
    m_list->ShowPicture1();
#ifdef Q_OS_WIN
    const QString viewer = QStringLiteral("mspaint.exe");
#else
    const QString viewer = QStringLiteral("xdg-open");
#endif
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, viewer);
    QCOMPARE(m_starts[0].arguments, QStringList{ scan });
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Program (") + viewer + QStringLiteral(") ikke fundet.")));
    QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(scan) });

    // A viewer that starts is all it takes.
    m_starts.clear();
    m_boxes.clear();
    m_opened.clear();
    m_startSucceeds = true;
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    m_list->ShowPicture1();
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/opt/viewer"));
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_opened.isEmpty());
}

void TestItemListViewCommands::showUrl()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setWww(QStringLiteral("https://example.org/kettle"));
    fill();
    QTreeWidgetItem* row = m_list->FindListViewItem(kettle);

    // Without a chosen program the desktop's browser opens it; the link is never started as a
    // program itself.
    m_list->MousePressed(row, 15);
    QVERIFY(m_starts.isEmpty());
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_opened, QList<QUrl>{ QUrl(QStringLiteral("https://example.org/kettle")) });

    // A chosen program gets the link as its one argument.
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = true;
    m_settings->setValue("wwwProgram", QStringLiteral("/usr/bin/browser"));
    m_list->ShowUrl();
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/usr/bin/browser"));
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("https://example.org/kettle") });
    QVERIFY(m_opened.isEmpty());
}

void TestItemListViewCommands::showUrlWithoutLinkWarns()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    // The last row made is current.
    m_list->ShowUrl();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("NB!"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Ingen URL tilknyttet valgte inventar"));
    QCOMPARE(m_boxes[0].buttons, QStringList{ QStringLiteral("Ok") });
    QVERIFY(m_starts.isEmpty());

    // A group row has no link to miss.
    m_list->ItemSelected(m_list->topLevelItem(0));
    m_list->ShowUrl();
    QCOMPARE(m_boxes.size(), 1);
}

void TestItemListViewCommands::editRequests()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    fill();
    QTreeWidgetItem* kitchen = m_list->topLevelItem(2);
    QTreeWidgetItem* row = kitchen->child(0);

    // A double click on an item row opens the item dialog on that Item, as a child of the list,
    // and shows the row's cells afresh.
    kettle->setName(QStringLiteral("Whistling kettle"));
    m_list->doubleClickOnItemSlot(row);
    QList<ItemDialog*> dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QVERIFY(!dialogs[0]->ownsCurrentItem());
    QCOMPARE(dialogs[0]->parent(), m_list.get());
    QCOMPARE(pageOf(dialogs[0]), QStringLiteral("basicPage"));
    QCOMPARE(row->text(1), QStringLiteral("Whistling kettle"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // On a group row it starts a new Item in that group.
    m_list->doubleClickOnItemSlot(kitchen);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs[0]->ownsCurrentItem());
    QCOMPARE(dialogs[0]->parent(), m_list.get());
    QCOMPARE(dialogs[0]->findChild<QComboBox*>(QStringLiteral("groupComboBox"))->currentText(),
             QStringLiteral("Kitchen"));
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // Return on the current row does what a double click does.
    m_list->setCurrentItem(row);
    QTest::keyClick(m_list.get(), Qt::Key_Return);
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->currentItem(), kettle);
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    m_list->ItemSelected(kitchen);
    m_list->EditItem();
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs[0]->ownsCurrentItem());
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    m_list->doubleClickOnItemSlot(nullptr);
    QVERIFY(itemDialogs().isEmpty());

    // The search dialog has no parent and no Item.
    m_list->SeachItem();
    dialogs = itemDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0]->parent(), nullptr);
    QCOMPARE(dialogs[0]->currentItem(), nullptr);
    QVERIFY(shownModalAndDeletedOnClose(dialogs[0]));

    // Without a database there is nothing to open a dialog on.
    ItemListView empty(nullptr);
    empty.SeachItem();
    QVERIFY(itemDialogs().isEmpty());
}

void TestItemListViewCommands::contextMenu()
{
    QAction edit(QStringLiteral("Edit"));
    QAction remove(QStringLiteral("Delete"));
    m_list->addContextMenuAction(&edit);
    m_list->addContextMenuAction(nullptr);
    m_list->addContextMenuAction(&remove);
    const QList<QAction*> actions = m_list->contextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0], &edit);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2], &remove);

    QList<QMenu*> shown;
    ItemListView::setMenuRunner([&shown](QMenu& menu, const QPoint&) { shown.append(&menu); });
    add(0, QStringLiteral("Kettle"));
    fill();
    m_list->ViewAll(true);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));

    // Only a row has a menu.
    m_list->ShowContextMenu(nullptr);
    QVERIFY(shown.isEmpty());
    m_list->ShowContextMenu(m_list->topLevelItem(2));
    QCOMPARE(shown, QList<QMenu*>{ m_list->contextMenu() });

    // A right click asks for it at the row below the mouse, and not on empty space.
    const QRect rect = m_list->visualItemRect(m_list->topLevelItem(2)->child(0));
    Q_EMIT m_list->customContextMenuRequested(rect.center());
    QCOMPARE(shown.size(), 2);
    Q_EMIT m_list->customContextMenuRequested(QPoint(5, m_list->viewport()->height() - 2));
    QCOMPARE(shown.size(), 2);
}

void TestItemListViewCommands::rebuildAndClear()
{
    add(0, QStringLiteral("Kettle"));
    add(1, QStringLiteral("Coat"));
    fill();
    m_collection->groups().setEntries({ QStringLiteral("Kitchen"), QStringLiteral("Wardrobe") });

    m_list->rebuildList();
    QCOMPARE(m_list->topLevelItemCount(), 2);
    QCOMPARE(m_list->topLevelItem(1)->text(0), QStringLiteral("Wardrobe"));
    QCOMPARE(m_list->topLevelItem(1)->child(0)->text(1), QStringLiteral("Coat"));
    QVERIFY(m_list->topLevelItem(1)->isExpanded());
    QVERIFY(m_list->isItemSelected());

    m_list->clearRows();
    QCOMPARE(m_list->topLevelItemCount(), 0);
    QCOMPARE(m_list->GetNumberOfGroups(), 0);
    QCOMPARE(m_list->isItemSelected(), nullptr);
    // The Items belong to the collection and stay.
    QCOMPARE(m_collection->count(), 2);
}

QTEST_MAIN(TestItemListViewCommands)
#include "tst_itemlistview_commands.moc"
