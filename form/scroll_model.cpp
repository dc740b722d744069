#include "scroll_model.h"

#include <algorithm>

namespace lpf {

int ScrollModel::Moved(int value, ScrollAction action, int thumb) const {
    switch (action) {
        case ScrollAction::LineLeft:
            value -= smallStep_;
            break;
        case ScrollAction::LineRight:
            value += smallStep_;
            break;
        case ScrollAction::PageLeft:
            value -= kHScroll1.largeStep;
            break;
        case ScrollAction::PageRight:
            value += kHScroll1.largeStep;
            break;
        case ScrollAction::ToStart:
            value = minimum_;
            break;
        case ScrollAction::ToEnd:
            value = kHScroll1.maximum;
            break;
        case ScrollAction::ThumbAt:
            value = thumb;
            break;
    }
    return std::clamp(value, minimum_, kHScroll1.maximum);
}

}  // namespace lpf
