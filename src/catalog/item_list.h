// ItemList holds Item records by value, in the order they were appended.
#ifndef GLIMMERKIST_CATALOG_ITEM_LIST_H_
#define GLIMMERKIST_CATALOG_ITEM_LIST_H_

#include "catalog/item.h"
#include "catalog/record_list.h"

namespace glimmerkist {

using ItemList = RecordList<Item>;

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_ITEM_LIST_H_
