#!/usr/bin/python3
"""Checks what assistive technology finds in a running program's tree.

Usage: tree.py APPLICATION-NAME VIEW
VIEW is welcome, training, report or class; prints what is wrong and exits 1."""
import re
import sys

import pyatspi

CHINESE = re.compile("[\u4e00-\u9fff]")


def find_application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    sys.exit("no application named %s on the accessibility bus" % name)


def walk(node, parent=None):
    yield node, parent
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return  # its list and edit are parts of the box
    for child in node:
        if child is not None:
            yield from walk(child, node)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def check_common(app, problems, drill_window):
    windows = [child for child in app if child is not None]
    top = windows[0]
    if top.getRole() != pyatspi.ROLE_FRAME:
        problems.append("the window is a %s, not a frame" % top.getRoleName())
    for node, parent in walk(top):
        states = node.getState()
        where = "%s '%s'" % (node.getRoleName(), node.name)
        if node is not top and node.getRole() == pyatspi.ROLE_FRAME:
            problems.append("a frame below the window: " + where)
        if not drill_window:
            continue
        if parent is not None and not states.contains(pyatspi.STATE_SHOWING):
            problems.append("a hidden control in the tree: " + where)
        if states.contains(pyatspi.STATE_FOCUSABLE) and not CHINESE.search(node.name or ""):
            problems.append("a focusable control without a Chinese name: " + where)
    return top


def nodes(top, role):
    return [node for node, _ in walk(top) if node.getRole() == role]


# The 熟练度 tab's maps and its table of other questions.
FACT_MAPS = ["20以内加法（行 + 列）", "20以内减法（行 − 列）", "乘法口诀（行 × 列）", "表内除法（行里的积 ÷ 行，得列）", "其他题目"]


def main():
    app_name, view = sys.argv[1], sys.argv[2]
    problems = []
    top = check_common(find_application(app_name), problems, view not in ("report", "class"))
    if view == "welcome":
        boxes = {tuple(labelled_by(box)) for box in nodes(top, pyatspi.ROLE_COMBO_BOX)}
        if boxes != {("训练范围:",), ("训练方式:",), ("训练控制:",)}:
            problems.append("the boxes are labelled by %s" % sorted(boxes))
        links = [link.name for link in nodes(top, pyatspi.ROLE_LINK)]
        if links != ["网络升级"] or not nodes(top, pyatspi.ROLE_LINK)[0].getState().contains(pyatspi.STATE_FOCUSABLE):
            problems.append("links: %s" % links)
    elif view == "training":
        answers = [node for node in nodes(top, pyatspi.ROLE_TEXT) if node.name == "输入答案"]
        if not answers or labelled_by(answers[0]) != ["答案"]:
            problems.append("the answer field is not labelled by 答案")
        if [n.name for n in nodes(top, pyatspi.ROLE_NOTIFICATION)] != ["题目"]:
            problems.append("the question is no notification")
        groups = [node for node in nodes(top, pyatspi.ROLE_PANEL) if node.name == "信息栏目"]
        lines = [child.name for child in groups[0]] if groups else []
        if len(lines) != 4 or not all(re.fullmatch(r"\S+：\d+(道|秒)", line) for line in lines):
            problems.append("the information lines read %s" % lines)
    elif view == "report":
        tables = sorted(table.name for table in nodes(top, pyatspi.ROLE_TABLE))
        if tables != sorted(["已掌握", "成绩册", "跳过的文件", "错题本"] + FACT_MAPS):
            problems.append("the tables are named %s" % tables)
        charts = nodes(top, pyatspi.ROLE_CHART)
        if len(charts) != 1 or not charts[0].description.startswith("共 1 次训练。最近一次，"):
            problems.append("the chart says %r" % [chart.description for chart in charts])
    elif view == "class":
        tables = sorted(table.name for table in nodes(top, pyatspi.ROLE_TABLE))
        if tables != sorted(["全班", "全班答错最多的题", "已掌握", "成绩册", "跳过的文件", "错题本"] + FACT_MAPS):
            problems.append("the tables are named %s" % tables)
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


main()
