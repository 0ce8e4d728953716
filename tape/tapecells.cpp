#include "tape/tapecells.h"

std::string_view OperatorText(TTapeOperator op) {
    switch (op) {
        case TTapeOperator::Plus:
            return "+";
        case TTapeOperator::Minus:
            return "-";
        case TTapeOperator::Times:
            return "x";
        case TTapeOperator::Divide:
            return "/";
        case TTapeOperator::Total:
            return "=";
        case TTapeOperator::Percent:
            return "%";
        case TTapeOperator::GrandTotal:
            return "G";
        case TTapeOperator::None:
        case TTapeOperator::Other:
            break;
    }
    return {};
}

TTapeOperator OperatorFromText(std::string_view text) {
    if (text.empty()) return TTapeOperator::None;
    if (text.size() > 1) return TTapeOperator::Other;
    switch (text.front()) {
        case '+':
            return TTapeOperator::Plus;
        case '-':
            return TTapeOperator::Minus;
        case 'x':
            return TTapeOperator::Times;
        case '/':
            return TTapeOperator::Divide;
        case '=':
            return TTapeOperator::Total;
        case '%':
            return TTapeOperator::Percent;
        case 'G':
            return TTapeOperator::GrandTotal;
        default:
            return TTapeOperator::Other;
    }
}
