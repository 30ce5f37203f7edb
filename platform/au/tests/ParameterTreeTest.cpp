#include "platform/au/ParameterTree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using au::ParameterTree;

std::shared_ptr<au::Parameter> makeParameter(uint64_t address,
                                             std::optional<std::vector<std::string>> strings = {}) {
    return ParameterTree::createParameter("p" + std::to_string(address), "Param", address, 0.0f, 10.0f,
                                          au::ParameterUnit::indexed, std::string("idx"),
                                          au::kParameterFlagIsReadable | au::kParameterFlagIsWritable,
                                          std::move(strings), std::vector<au::ParameterAddress>{3, 4});
}

TEST(ParameterTree, FlagsAndUnitsHaveTheHostNumbers) {
    EXPECT_EQ(au::kParameterFlagIsReadable | au::kParameterFlagIsWritable, 0xC0000000u);
    EXPECT_EQ(au::kParameterFlagIsReadable | au::kParameterFlagIsWritable | au::kParameterFlagIsGlobalMeta |
                  au::kParameterFlagHasClump,
              0xD0100000u);
    EXPECT_EQ(au::kParameterFlagValuesHaveStrings, 0x00200000u);
    EXPECT_EQ(au::kParameterFlagCanRamp, 0x02000000u);
    const std::pair<au::ParameterUnit, uint32_t> units[] = {
        {au::ParameterUnit::indexed, 1},        {au::ParameterUnit::percent, 3},
        {au::ParameterUnit::seconds, 4},        {au::ParameterUnit::hertz, 8},
        {au::ParameterUnit::decibels, 13},      {au::ParameterUnit::linearGain, 14},
        {au::ParameterUnit::absoluteCents, 20}, {au::ParameterUnit::milliseconds, 24},
        {au::ParameterUnit::customUnit, 26},
    };
    for (const auto& [unit, raw] : units) {
        EXPECT_EQ(static_cast<uint32_t>(unit), raw);
    }
}

TEST(ParameterTree, CreateParameterKeepsEveryField) {
    auto parameter = makeParameter(7, std::vector<std::string>{"a", "b"});
    EXPECT_EQ(parameter->identifier(), "p7");
    EXPECT_EQ(parameter->name(), "Param");
    EXPECT_EQ(parameter->address(), 7u);
    EXPECT_EQ(parameter->minValue(), 0.0f);
    EXPECT_EQ(parameter->maxValue(), 10.0f);
    EXPECT_EQ(parameter->unit(), au::ParameterUnit::indexed);
    EXPECT_EQ(parameter->unitName(), "idx");
    EXPECT_EQ(parameter->flags(), 0xC0000000u);
    EXPECT_EQ(parameter->valueStrings(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(parameter->dependentParameters(), (std::vector<au::ParameterAddress>{3, 4}));
    EXPECT_EQ(parameter->tree(), nullptr);
}

TEST(ParameterTree, SetValueReachesImplementorThenObserversExceptOriginator) {
    auto a = makeParameter(1);
    auto b = makeParameter(2);
    auto tree = ParameterTree::createTree({a, b});
    EXPECT_EQ(tree->parameterWithAddress(2), b);
    EXPECT_EQ(tree->parameterWithIdentifier("p1"), a);
    EXPECT_EQ(tree->parameterWithAddress(9), nullptr);

    std::vector<std::string> calls;
    tree->setImplementorValueObserver([&](const au::Parameter& p, au::AUValue v) {
        calls.push_back("implementor " + std::to_string(p.address()) + "=" + std::to_string(int(v)));
    });
    au::ObserverToken first =
        tree->tokenByAddingParameterObserver([&](au::ParameterAddress address, au::AUValue v) {
            calls.push_back("first " + std::to_string(address) + "=" + std::to_string(int(v)));
        });
    au::ObserverToken second =
        tree->tokenByAddingParameterObserver([&](au::ParameterAddress address, au::AUValue) {
            calls.push_back("second " + std::to_string(address));
        });
    std::vector<au::ParameterAutomationEvent> recorded;
    au::ObserverToken recorder = tree->tokenByAddingParameterAutomationObserver(
        [&](const au::ParameterAutomationEvent& e) { recorded.push_back(e); });

    b->setValue(5.0f, &first, 1234, au::ParameterAutomationEventType::touch);
    EXPECT_EQ(calls, (std::vector<std::string>{"implementor 2=5", "second 2"}));
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].hostTime, 1234u);
    EXPECT_EQ(recorded[0].address, 2u);
    EXPECT_EQ(recorded[0].value, 5.0f);
    EXPECT_EQ(recorded[0].eventType, au::ParameterAutomationEventType::touch);
    EXPECT_EQ(b->value(), 5.0f);

    calls.clear();
    second.reset();
    a->setValue(12.0f); // stored as given: the tree does not clamp
    EXPECT_EQ(calls, (std::vector<std::string>{"implementor 1=12", "first 1=12"}));
    EXPECT_EQ(a->value(), 12.0f);
    EXPECT_EQ(recorded.back().eventType, au::ParameterAutomationEventType::value);
}

TEST(ParameterTree, ObserverTokensUnregisterWhenDestroyedOrMoved) {
    auto p = makeParameter(1);
    auto tree = ParameterTree::createTree({p});
    int calls = 0;
    {
        au::ObserverToken token =
            tree->tokenByAddingParameterObserver([&](au::ParameterAddress, au::AUValue) { ++calls; });
        au::ObserverToken moved = std::move(token);
        EXPECT_FALSE(token.isActive());
        EXPECT_TRUE(moved.isActive());
        p->setValue(1.0f);
        EXPECT_EQ(calls, 1);
    }
    p->setValue(2.0f);
    EXPECT_EQ(calls, 1);
    // A token that outlives its tree is harmless.
    au::ObserverToken late =
        tree->tokenByAddingParameterObserver([&](au::ParameterAddress, au::AUValue) { ++calls; });
    tree.reset();
    late.reset();
    EXPECT_EQ(p->tree(), nullptr);
    p->setValue(3.0f);
    EXPECT_EQ(calls, 1);
}

TEST(ParameterTree, ValueProviderAnswersReads) {
    auto p = makeParameter(4);
    auto tree = ParameterTree::createTree({p});
    p->setValue(1.0f);
    tree->setImplementorValueProvider(
        [](const au::Parameter& parameter) { return float(parameter.address()) * 10.0f; });
    EXPECT_EQ(p->value(), 40.0f);
    EXPECT_EQ(p->storedValue(), 1.0f);
}

TEST(ParameterTree, StringCallbacksAndTheirFallbacks) {
    auto p = makeParameter(0, std::vector<std::string>{"Off", "On"});
    auto tree = ParameterTree::createTree({p});
    const float one = 1.0f, nine = 9.0f, nan = std::nanf("");
    EXPECT_EQ(p->stringFromValue(&one), "On");
    EXPECT_EQ(p->stringFromValue(&nine), "9");
    EXPECT_EQ(p->stringFromValue(&nan), "nan");
    EXPECT_EQ(p->valueFromString("On"), 1.0f);
    EXPECT_EQ(p->valueFromString("2.5"), 2.5f);
    EXPECT_EQ(p->valueFromString(" 5"), 0.0f);
    EXPECT_EQ(p->valueFromString("5x"), 0.0f);

    const au::AUValue* seen = &one;
    tree->setImplementorStringFromValueCallback([&](const au::Parameter&, const au::AUValue* value) {
        seen = value;
        return std::string("custom");
    });
    tree->setImplementorValueFromStringCallback(
        [](const au::Parameter&, const std::string& text) { return float(text.size()); });
    EXPECT_EQ(p->stringFromValue(nullptr), "custom");
    EXPECT_EQ(seen, nullptr);
    EXPECT_EQ(p->valueFromString("abc"), 3.0f);
}

TEST(ParameterTree, ParametersMoveToTheNewestTree) {
    auto p = makeParameter(1);
    auto oldTree = ParameterTree::createTree({p});
    auto newTree = ParameterTree::createTree({p});
    EXPECT_EQ(p->tree(), newTree.get());
    oldTree.reset(); // must not detach the parameter from the new tree
    EXPECT_EQ(p->tree(), newTree.get());
    int calls = 0;
    newTree->setImplementorValueObserver([&](const au::Parameter&, au::AUValue) { ++calls; });
    p->setValue(2.0f);
    EXPECT_EQ(calls, 1);
}

} // namespace
