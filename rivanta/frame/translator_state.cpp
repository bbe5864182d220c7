#include "frame/translator_state.h"

TranslatorState& translatorState() {
    static TranslatorState state;
    return state;
}
