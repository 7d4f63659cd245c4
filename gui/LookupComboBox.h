#pragma once

class LookupList;
class QComboBox;

// Fills a combo box with a groups or locations list. Entry i stays at index i, so the index is
// the position items store. An empty entry (a group or location deleted while items kept their
// places) keeps its index but is hidden and cannot be chosen. The first entry that can be chosen
// becomes the current one.
void fillLookupComboBox(QComboBox* box, const LookupList& list);
// Whether the box offers the entry at an index.
bool isOfferedEntry(const QComboBox* box, int index);
