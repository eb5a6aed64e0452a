#include "words/RegexProgram.h"

#include <map>

namespace {

class Compiler {
public:
    Compiler(const RegexTree& tree, bool ignoreCase, bool multiLine, RegexProgram& program)
        : m_tree(tree), m_program(program) {
        m_program = RegexProgram{};
        m_program.ignoreCase = ignoreCase;
        m_program.multiLine = multiLine;
        m_program.slotCount = 2 * (tree.groupCount + 1);
        m_program.needsBacktracking = tree.hasBackReferences || tree.hasCapturesInLookahead;
        // The Pike VM reads lookaheads from tables built by running their bodies
        // backwards over the subject; the backtracker runs them forwards.
        m_reverseLookaheads = !m_program.needsBacktracking;
        for (const RegexClass& cls : tree.classes)
            m_program.classes.push_back(FinalClass(cls, ignoreCase));
    }

    bool Run() {
        m_program.start = Size();
        Emit(RegexOp::Save).x = 0;
        Compile(m_tree.root, false, true);
        Emit(RegexOp::Save).x = 1;
        Emit(RegexOp::Match);
        // Bodies may hold further lookaheads; those are appended as they turn up.
        for (std::size_t i = 0; i < m_lookaheadNodes.size() && !m_tooLarge; ++i) {
            m_program.lookaheads[i].entry = Size();
            Compile(m_tree.nodes[static_cast<std::size_t>(m_lookaheadNodes[i])].children[0],
                    m_reverseLookaheads, !m_reverseLookaheads);
            Emit(RegexOp::Match);
        }
        if (m_tooLarge)
            return false;
        Analyse(m_tree.root, m_program.canMatchEmpty, m_program.firstUnits);
        return true;
    }

private:
    static RegexCharSet FinalClass(const RegexClass& cls, bool ignoreCase) {
        RegexCharSet set = ignoreCase ? cls.literals.CaseClosed() : cls.literals;
        set.AddSet(cls.escapes);
        return cls.negated ? set.Negated() : set;
    }

    int Size() const { return static_cast<int>(m_program.insts.size()); }

    RegexInst& Emit(RegexOp op) {
        if (m_program.insts.size() >= kMaxRegexProgramSize) {
            m_tooLarge = true;
            m_scratch = RegexInst{};
            return m_scratch;
        }
        m_program.insts.emplace_back();
        m_program.insts.back().op = op;
        m_program.insts.back().next = Size();
        return m_program.insts.back();
    }

    RegexInst& At(int pc) { return pc < Size() ? m_program.insts[static_cast<std::size_t>(pc)] : m_scratch; }

    // reverse: the body of a lookahead for the backward pass; captures: emit
    // Save instructions.
    void Compile(int index, bool reverse, bool captures) {
        // Counting the calls as well bounds the work of repeating something
        // that emits nothing, such as "(?:){99999}{99999}".
        if (m_tooLarge || ++m_compileCalls > kMaxRegexProgramSize) {
            m_tooLarge = true;
            return;
        }
        const RegexNode& node = m_tree.nodes[static_cast<std::size_t>(index)];
        switch (node.kind) {
        case RegexNodeKind::Empty:
            break;
        case RegexNodeKind::Unit:
            CompileUnit(node.unit);
            break;
        case RegexNodeKind::Class:
            Emit(RegexOp::Class).x = node.classIndex;
            break;
        case RegexNodeKind::Concat:
            if (reverse) {
                for (auto it = node.children.rbegin(); it != node.children.rend(); ++it)
                    Compile(*it, reverse, captures);
            } else {
                for (int child : node.children)
                    Compile(child, reverse, captures);
            }
            break;
        case RegexNodeKind::Alternate:
            CompileAlternate(node, reverse, captures);
            break;
        case RegexNodeKind::Repeat:
            CompileRepeat(node, reverse, captures);
            break;
        case RegexNodeKind::Group:
            if (captures)
                Emit(RegexOp::Save).x = 2 * node.group;
            Compile(node.children[0], reverse, captures);
            if (captures)
                Emit(RegexOp::Save).x = 2 * node.group + 1;
            break;
        case RegexNodeKind::Assertion:
            Emit(RegexOp::Assert).assertion = node.assertion;
            break;
        case RegexNodeKind::Lookahead:
            Emit(RegexOp::Look).x = LookaheadIndex(index);
            break;
        case RegexNodeKind::BackReference:
            Emit(RegexOp::BackRef).x = node.group;
            break;
        }
    }

    void CompileUnit(char16_t unit) {
        RegexInst& inst = Emit(RegexOp::Unit);
        if (m_program.ignoreCase && HasCaseVariants(unit)) {
            inst.unitCount = static_cast<unsigned char>(CaseVariants(unit, inst.units));
        } else {
            inst.unitCount = 1;
            inst.units[0] = unit;
        }
    }

    // a|b|c:   Split L1, L2 / L1: a; Jump end / L2: Split L3, L4 / L3: b; Jump end / L4: c / end:
    void CompileAlternate(const RegexNode& node, bool reverse, bool captures) {
        std::vector<int> jumps;
        for (std::size_t i = 0; i < node.children.size() && !m_tooLarge; ++i) {
            bool last = i + 1 == node.children.size();
            int split = -1;
            if (!last) {
                split = Size();
                Emit(RegexOp::Split).x = split + 1;
            }
            Compile(node.children[i], reverse, captures);
            if (!last) {
                jumps.push_back(Size());
                Emit(RegexOp::Jump);
                At(split).y = Size();
            }
        }
        for (int jump : jumps)
            At(jump).x = Size();
    }

    // x{min,max}: min copies of x, then either
    //   unbounded:  L: Split body, exit / body: x; Jump L / exit:
    //   bounded:    (max - min) times: Split copy, end / copy: x   ... end:
    // with the Split's preference reversed for a lazy quantifier. An unbounded
    // loop whose x can match the empty text has its body guarded (see the
    // header): for the backtracker
    //   body: LoopStart r; x; LoopCheck r; Jump L
    // and for the Pike VM
    //   body: x (consuming continues in the copy below); Fail / x; Jump L
    // A lookahead read backwards only asks whether a match exists, which an
    // empty iteration never decides, so it needs no guard.
    void CompileRepeat(const RegexNode& node, bool reverse, bool captures) {
        int child = node.children[0];
        for (int i = 0; i < node.min && !m_tooLarge; ++i)
            Compile(child, reverse, captures);
        if (node.max < 0) {
            bool guard = !reverse && CanMatchEmpty(child);
            int loop = Size();
            Emit(RegexOp::Split);
            int body = Size();
            if (!guard) {
                Compile(child, reverse, captures);
            } else if (m_program.needsBacktracking) {
                int reg = m_program.registerCount++;
                Emit(RegexOp::LoopStart).x = reg;
                Compile(child, reverse, captures);
                Emit(RegexOp::LoopCheck).x = reg;
            } else {
                CompileSplitIteration(child, captures);
            }
            Emit(RegexOp::Jump).x = loop;
            SetSplit(loop, body, Size(), node.greedy);
            return;
        }
        std::vector<int> splits;
        for (int i = node.min; i < node.max && !m_tooLarge; ++i) {
            splits.push_back(Size());
            Emit(RegexOp::Split);
            Compile(child, reverse, captures);
        }
        for (int split : splits)
            SetSplit(split, split + 1, Size(), node.greedy);
    }

    // The two copies of a guarded loop body for the Pike VM. Both copies have
    // the same layout, so moving a consuming instruction's successor by the
    // distance between them moves it to the same place in the second copy;
    // nested guarded loops inside were patched the same way already, so the
    // moves compose.
    void CompileSplitIteration(int child, bool captures) {
        int before = Size();
        Compile(child, false, captures);
        Emit(RegexOp::Fail);
        int after = Size();
        Compile(child, false, captures);
        if (m_tooLarge)
            return;
        int distance = after - before;
        for (int pc = before; pc < after - 1; ++pc) {
            RegexInst& inst = At(pc);
            if (inst.op == RegexOp::Unit || inst.op == RegexOp::Class)
                inst.next += distance;
        }
    }

    void SetSplit(int pc, int take, int skip, bool greedy) {
        RegexInst& inst = At(pc);
        inst.x = greedy ? take : skip;
        inst.y = greedy ? skip : take;
    }

    int LookaheadIndex(int node) {
        auto [it, added] = m_lookaheadIndex.emplace(node, static_cast<int>(m_lookaheadNodes.size()));
        if (added) {
            m_lookaheadNodes.push_back(node);
            RegexLookahead lookahead;
            lookahead.negated = m_tree.nodes[static_cast<std::size_t>(node)].negated;
            m_program.lookaheads.push_back(lookahead);
        }
        return it->second;
    }

    bool CanMatchEmpty(int index) {
        bool nullable;
        RegexCharSet first;
        Analyse(index, nullable, first);
        return nullable;
    }

    // Whether the node can match the empty text, and the units its non-empty
    // matches can start with (conservative: a superset).
    void Analyse(int index, bool& nullable, RegexCharSet& first) {
        const RegexNode& node = m_tree.nodes[static_cast<std::size_t>(index)];
        switch (node.kind) {
        case RegexNodeKind::Empty:
        case RegexNodeKind::Assertion:
        case RegexNodeKind::Lookahead:
            nullable = true;
            return;
        case RegexNodeKind::Unit: {
            nullable = false;
            char16_t variants[kMaxCaseVariants] = {node.unit};
            int count = m_program.ignoreCase ? CaseVariants(node.unit, variants) : 1;
            for (int i = 0; i < count; ++i)
                first.Add(variants[i]);
            return;
        }
        case RegexNodeKind::Class:
            nullable = false;
            first.AddSet(m_program.classes[static_cast<std::size_t>(node.classIndex)]);
            return;
        case RegexNodeKind::BackReference:
            nullable = true; // an unset group matches the empty text
            first.AddRange(0, 0xFFFF);
            return;
        case RegexNodeKind::Concat:
            nullable = true;
            for (int child : node.children) {
                bool childNullable;
                Analyse(child, childNullable, first);
                if (!childNullable) {
                    nullable = false;
                    return;
                }
            }
            return;
        case RegexNodeKind::Alternate:
            nullable = false;
            for (int child : node.children) {
                bool childNullable;
                Analyse(child, childNullable, first);
                nullable = nullable || childNullable;
            }
            return;
        case RegexNodeKind::Repeat:
            if (node.max == 0) {
                nullable = true;
                return;
            }
            Analyse(node.children[0], nullable, first);
            nullable = nullable || node.min == 0;
            return;
        case RegexNodeKind::Group:
            Analyse(node.children[0], nullable, first);
            return;
        }
    }

    const RegexTree& m_tree;
    RegexProgram& m_program;
    bool m_reverseLookaheads = true;
    bool m_tooLarge = false;
    std::size_t m_compileCalls = 0;
    RegexInst m_scratch;
    std::map<int, int> m_lookaheadIndex;
    std::vector<int> m_lookaheadNodes;
};

} // namespace

bool CompileRegex(const RegexTree& tree, bool ignoreCase, bool multiLine, RegexProgram& program) {
    return Compiler(tree, ignoreCase, multiLine, program).Run();
}
