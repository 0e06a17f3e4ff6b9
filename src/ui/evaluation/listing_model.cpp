#include "ui/evaluation/listing_model.h"

namespace talvo::ui {

QVariant ListingModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return rows_[static_cast<std::size_t>(index.row())][index.column()];
}

QVariant ListingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= logic::kListingColumns)
        return {};
    return logic::listingHeader()[section];
}

} // namespace talvo::ui
