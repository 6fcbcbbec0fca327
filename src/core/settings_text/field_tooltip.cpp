#include "core/settings_text/field_tooltip.h"

#include "core/fields/field_help.h"
#include "core/settings_text/rule_text.h"

namespace dpmr {

std::string FieldTooltip(std::string_view page, const FieldDef &field, const Image &image,
                         const ShownText &shown) {
    const FieldHelp *help = FindFieldHelp(page, field.name);
    if (!help)
        return {};
    auto show = [&shown](std::string_view text) { return shown ? shown(text) : std::string(text); };
    const std::string rule = field.rule.kind == RuleKind::Check
                                 ? show(kCheckRuleText)
                                 : DescribeRule(field.rule, image, help->unit);
    return show(help->meaning) + "\n" + rule;
}

} // namespace dpmr
