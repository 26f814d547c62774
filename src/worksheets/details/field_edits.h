#pragma once
// Rows of labelled edit boxes built from a detail field table (realty,
// vehicle, stock, personal identifiers): loaded from the values indexed like
// the table, read back the same way.
#include <QFormLayout>
#include <QLineEdit>
#include <array>

#include "worksheets/details/dialog_support.h"

namespace wm4::details {

template <size_t N>
class FieldEdits {
public:
    template <typename Fields>
    void build(QFormLayout* form, const Fields& fields, const std::array<QString, N>& values,
               ModifiedMark& modified) {
        static_assert(std::tuple_size_v<Fields> == N);
        for (size_t i = 0; i < N; ++i) {
            m_edits[i] = addEditRow(form, fields[i].label, fields[i].objectName);
            m_edits[i]->setText(values[i]);
            modified.watch(m_edits[i]);
        }
    }
    void read(std::array<QString, N>& values) const {
        for (size_t i = 0; i < N; ++i) values[i] = m_edits[i]->text();
    }

private:
    std::array<QLineEdit*, N> m_edits{};
};

}  // namespace wm4::details
