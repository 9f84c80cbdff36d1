#pragma once

class QWidget;

namespace quillon {

class LinkLabel;

// Leaves a purely decorative widget (an icon beside a title, a rule, a label of blanks) out of
// what screen readers are offered. It stays in its window and draws as before.
void hideFromAccessibility(QWidget *widget);

// The container offers screen readers only its children that are not left out; needed where
// a child may be left out after the container was first asked for its children.
void leaveOutHiddenChildren(QWidget *container);

// True for widgets left out: the decorative ones and a link label covered by another.
bool isHiddenFromAccessibility(const QWidget *widget);

// Makes sure screen readers meet the label as a link, even if Qt was asked about it while
// it was still being built.
void renewLinkInterface(LinkLabel *label);

// Installs the program's accessible interfaces: link labels as links that can be pressed, and
// containers that leave out the children above. Safe to call often; the first call counts.
void installAccessibleInterfaces();

} // namespace quillon
