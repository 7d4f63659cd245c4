#pragma once

class DBItemCollection;

// A generated stock register of the given size, loaded the way the program loads a database
// file (much quicker than adding the items one by one): 40 groups, 25 locations, one item in
// 26 with a location outside the list. With markup, the texts hold characters that XML and
// HTML must escape. Ends the process when the register does not load.
void fillRegister(DBItemCollection& collection, int count, bool withMarkup);
