// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OperationResult.h"

namespace corvane {

OperationResult favoritesResult(FavoriteResult result) {
    switch (result) {
        case FavoriteResult::WriteFailed:
            return OperationResult::FavoritesNotWritten;
        case FavoriteResult::Invalid:
            return OperationResult::FavoritesRefused;
        case FavoriteResult::Written:
        case FavoriteResult::Unchanged:
            break;
    }
    return OperationResult::Done;
}

}  // namespace corvane
