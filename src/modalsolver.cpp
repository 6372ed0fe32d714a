#include "modalsolver.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numeric>

#include <arpack/arpack.h>

#include "bandfactorisation.h"
#include "lapack.h"
#include "problemerror.h"
#include "refinedsolver.h"
#include "rigidmotion.h"

namespace
{

// The system restricted to the unknowns that are not prescribed, K in the
// arithmetic's type.
template <class T>
struct FreeSystem
{
    std::vector<int> m_vint_Unknown; // free index -> global unknown
    BandMatrix<T> m_o_K;
    BandMatrix<double> m_o_M;
};

template <class T>
FreeSystem<T> Restrict(const Conditions& in_o_Conditions, const BandMatrix<T>& in_o_K, const BandMatrix<double>& in_o_M)
{
    const int n = in_o_K.get_m_int_Size();
    const int kd = in_o_K.get_m_int_HalfBandwidth();
    std::vector<int> l_vint_Free(n, 0);
    for (const Conditions::Prescribed& l_o_Condition : in_o_Conditions.get_m_v_Prescribed())
        l_vint_Free[l_o_Condition.m_int_Unknown] = -1;
    FreeSystem<T> l_o_System;
    for (int d = 0; d < n; ++d)
        if (l_vint_Free[d] == 0)
        {
            l_vint_Free[d] = static_cast<int>(l_o_System.m_vint_Unknown.size());
            l_o_System.m_vint_Unknown.push_back(d);
        }
        else
            l_vint_Free[d] = -1;
    const int nf = static_cast<int>(l_o_System.m_vint_Unknown.size());
    // Removing unknowns only brings the others closer: the band stays kd wide.
    l_o_System.m_o_K = BandMatrix<T>(nf, kd);
    l_o_System.m_o_M = BandMatrix<double>(nf, kd);
    for (int j = 0; j < n; ++j)
        for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
            if (l_vint_Free[i] >= 0 && l_vint_Free[j] >= 0)
            {
                l_o_System.m_o_K.At(l_vint_Free[i], l_vint_Free[j]) = in_o_K.At(i, j);
                l_o_System.m_o_M.At(l_vint_Free[i], l_vint_Free[j]) = in_o_M.At(i, j);
            }
    return l_o_System;
}

// The solves of shift-invert Lanczos, y = (K - sigma M)^-1 y, and what they
// can vouch for.
class ShiftedSolves
{
public:
    // Double: a banded Cholesky factorisation of K - sigma M.
    ShiftedSolves(const BandMatrix<double>& in_o_K, const BandMatrix<double>& in_o_M, double in_db_Sigma,
                  const Discretisation& in_o_Discretisation)
    {
        BandMatrix<double> l_o_Shifted = Shifted(in_o_K, in_o_M, in_db_Sigma);
        m_o_ptrDouble = std::make_unique<BandFactorisation>(std::move(l_o_Shifted), FactorisationMethod::Cholesky);
        if (!m_o_ptrDouble->Succeeded())
            throw ProblemError("the stiffness matrix is not positive semi-definite at " +
                               in_o_Discretisation.Describe(m_o_ptrDouble->get_m_int_FailedUnknown()) +
                               ": a stiffness coefficient is negative there");
        if (!(m_o_ptrDouble->get_m_db_SmallestPivotRatio() > 16 * DBL_EPSILON))
            throw ProblemError("the stiffness matrix is singular to double precision: the mesh is too fine for "
                               "Arithmetic::Double (extended arithmetic solves it)");
        m_o_Trust.m_db_ErrorEstimate =
            std::min(1.0, DBL_EPSILON / std::max(m_o_ptrDouble->get_m_db_SmallestPivotRatio(), DBL_MIN));
    }
    // Extended: K - sigma M in extended precision, solved by refinement.
    ShiftedSolves(const BandMatrix<Extended>& in_o_K, const BandMatrix<double>& in_o_M, double in_db_Sigma,
                  const Discretisation& in_o_Discretisation)
        : m_o_Shifted(Shifted(in_o_K, in_o_M, in_db_Sigma)),
          m_o_ptrRefined(
              std::make_unique<RefinedSolver<Extended>>(m_o_Shifted, FactorisationMethod::Cholesky, in_o_Discretisation)),
          m_v_Right(static_cast<std::size_t>(in_o_K.get_m_int_Size()))
    {
        m_o_Trust.m_e_Arithmetic = Arithmetic::Extended;
        m_o_Trust.m_db_ErrorEstimate = DBL_EPSILON;
    }

    void Solve(double* io_y)
    {
        if (m_o_ptrDouble)
            return m_o_ptrDouble->Solve(io_y);
        for (std::size_t i = 0; i < m_v_Right.size(); ++i)
            m_v_Right[i] = Extended(io_y[i]);
        const RefinedSolver<Extended>::Outcome l_o_Outcome = m_o_ptrRefined->Solve(m_v_Right.data(), io_y);
        m_o_Trust.m_db_ErrorEstimate = std::max(m_o_Trust.m_db_ErrorEstimate, l_o_Outcome.m_db_ErrorEstimate);
        m_o_Trust.m_b_ExtendedFactorisation = m_o_ptrRefined->UsesExtendedFactorisation();
    }

    const Trust& get_m_o_Trust() const { return m_o_Trust; }

private:
    template <class T>
    static BandMatrix<T> Shifted(const BandMatrix<T>& in_o_K, const BandMatrix<double>& in_o_M, double in_db_Sigma)
    {
        BandMatrix<T> l_o_Shifted = in_o_K;
        const int n = in_o_K.get_m_int_Size(), kd = in_o_K.get_m_int_HalfBandwidth();
        if (in_db_Sigma != 0.0)
            for (int j = 0; j < n; ++j)
                for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
                    l_o_Shifted.At(i, j) -= T(in_db_Sigma) * T(in_o_M.At(i, j));
        return l_o_Shifted;
    }

    std::unique_ptr<BandFactorisation> m_o_ptrDouble;
    BandMatrix<Extended> m_o_Shifted;
    std::unique_ptr<RefinedSolver<Extended>> m_o_ptrRefined;
    LargeVector<Extended> m_v_Right;
    Trust m_o_Trust;
};

// A start vector for Lanczos with a part along every mode, the same on every run.
std::vector<double> StartVector(int n)
{
    std::vector<double> l_vdb_Start(n);
    std::uint64_t l_u_State = 0x9E3779B97F4A7C15ULL;
    for (double& v : l_vdb_Start)
    {
        l_u_State = l_u_State * 6364136223846793005ULL + 1442695040888963407ULL;
        v = 0.5 + static_cast<double>(l_u_State >> 11) * 0x1.0p-53;
    }
    return l_vdb_Start;
}

struct Eigenpairs
{
    std::vector<double> m_vdb_Values;
    std::vector<double> m_vdb_Vectors; // column i: n entries
};

template <class T>
Eigenpairs SolveWhole(const FreeSystem<T>& in_o_System, int in_int_Modes)
{
    BandMatrix<double> K = RoundedTo<double>(in_o_System.m_o_K), M = in_o_System.m_o_M;
    const int n = K.get_m_int_Size();
    const int kd = K.get_m_int_HalfBandwidth();
    const int l_int_Leading = K.get_LeadingDimension();
    std::vector<double> w(n), z(static_cast<std::size_t>(n) * n), l_vdb_Work(3 * static_cast<std::size_t>(n));
    int l_int_Info = 0;
    dsbgv_("V", "U", &n, &kd, &kd, K.get_Data(), &l_int_Leading, M.get_Data(), &l_int_Leading, w.data(), z.data(), &n,
           l_vdb_Work.data(), &l_int_Info, 1, 1);
    if (l_int_Info > n)
        throw ProblemError("the mass matrix is not positive definite: a mass coefficient is zero or negative");
    if (l_int_Info != 0)
        throw ProblemError("the banded eigensolver did not converge (LAPACK dsbgv, info " +
                           std::to_string(l_int_Info) + ")");
    w.resize(in_int_Modes);
    z.resize(static_cast<std::size_t>(n) * in_int_Modes);
    return {w, z};
}

template <class T>
Eigenpairs SolveLanczos(const FreeSystem<T>& in_o_System, int in_int_Modes, const Discretisation& in_o_Discretisation,
                        Trust& out_o_Trust)
{
    const int n = in_o_System.m_o_K.get_m_int_Size();

    // sigma = 0 where K holds every rigid motion; otherwise a shift far below
    // the lowest elastic eigenvalues but large enough to make K - sigma M definite.
    double l_db_Sigma = 0.0;
    if (!FreeRigidMotion(in_o_System.m_o_K, in_o_Discretisation).empty())
    {
        double l_db_Ratio = 0.0;
        for (int i = 0; i < n; ++i)
            if (in_o_System.m_o_M.At(i, i) > 0.0)
                l_db_Ratio = std::max(l_db_Ratio, ToDouble(in_o_System.m_o_K.At(i, i)) / in_o_System.m_o_M.At(i, i));
        l_db_Sigma = -1e-6 * l_db_Ratio;
    }
    ShiftedSolves l_o_Solves(in_o_System.m_o_K, in_o_System.m_o_M, l_db_Sigma, in_o_Discretisation);

    const int l_int_Vectors = std::min(n, std::max(2 * in_int_Modes + 1, 20));
    const int l_int_WorkLength = l_int_Vectors * (l_int_Vectors + 8);
    std::vector<double> l_vdb_Residual = StartVector(n);
    std::vector<double> v(static_cast<std::size_t>(n) * l_int_Vectors), workd(3 * static_cast<std::size_t>(n)),
        workl(l_int_WorkLength);
    a_int iparam[11] = {1, 0, 100, 1, 0, 0, 3, 0, 0, 0, 0};
    a_int ipntr[14] = {};
    a_int ido = 0, info = 1; // info 1: start from l_vdb_Residual
    for (;;)
    {
        dsaupd_c(&ido, "G", n, "LM", in_int_Modes, 0.0, l_vdb_Residual.data(), l_int_Vectors, v.data(), n, iparam,
                 ipntr, workd.data(), workl.data(), l_int_WorkLength, &info);
        double* x = workd.data() + ipntr[0] - 1;
        double* y = workd.data() + ipntr[1] - 1;
        if (ido == -1) // y = (K - sigma M)^-1 M x
        {
            in_o_System.m_o_M.Multiply(x, y);
            l_o_Solves.Solve(y);
        }
        else if (ido == 1) // y = (K - sigma M)^-1 (M x), M x given
        {
            const double* Mx = workd.data() + ipntr[2] - 1;
            std::copy(Mx, Mx + n, y);
            l_o_Solves.Solve(y);
        }
        else if (ido == 2) // y = M x
            in_o_System.m_o_M.Multiply(x, y);
        else
            break;
    }
    if (info == 1)
        throw ProblemError("the Lanczos eigensolver did not converge in " + std::to_string(iparam[2]) +
                           " restarts; " + std::to_string(iparam[4]) + " of the " + std::to_string(in_int_Modes) +
                           " modes converged");
    if (info != 0)
        throw ProblemError("the Lanczos eigensolver failed (ARPACK dsaupd, info " + std::to_string(info) + ")");

    Eigenpairs l_o_Pairs{std::vector<double>(in_int_Modes),
                         std::vector<double>(static_cast<std::size_t>(n) * in_int_Modes)};
    std::vector<a_int> l_vint_Select(l_int_Vectors, 1);
    dseupd_c(1, "A", l_vint_Select.data(), l_o_Pairs.m_vdb_Values.data(), l_o_Pairs.m_vdb_Vectors.data(), n,
             l_db_Sigma, "G", n, "LM", in_int_Modes, 0.0, l_vdb_Residual.data(), l_int_Vectors, v.data(), n, iparam,
             ipntr, workd.data(), workl.data(), l_int_WorkLength, &info);
    if (info != 0)
        throw ProblemError("the Lanczos eigensolver failed (ARPACK dseupd, info " + std::to_string(info) + ")");
    out_o_Trust = l_o_Solves.get_m_o_Trust();
    return l_o_Pairs;
}

template <class T>
ModalSolution SolveModesIn(const Model& in_o_Model, int in_int_Modes, const SolverSettings& in_o_Settings)
{
    const Integrands& l_o_Integrands = in_o_Model.get_Integrands();
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();
    const int kd = l_o_Discretisation.get_HalfBandwidth();

    FreeSystem<T> l_o_System;
    {
        BandMatrix<T> l_o_K(n, kd);
        BandMatrix<double> l_o_M(n, kd);
        Assembler l_o_Assembler(l_o_Discretisation, l_o_Integrands);
        l_o_Assembler.AddStiffnessAndLoad<T>(nullptr, l_o_K, nullptr);
        l_o_Assembler.AddMass(l_o_M);
        in_o_Model.get_Conditions().AddStiffness(l_o_K);
        l_o_System = Restrict(in_o_Model.get_Conditions(), l_o_K, l_o_M);
    }
    const int nf = static_cast<int>(l_o_System.m_vint_Unknown.size());
    if (in_int_Modes < 1 || in_int_Modes > nf)
        throw ProblemError("the problem has " + std::to_string(nf) + " free unknowns, so 1 to " + std::to_string(nf) +
                           " modes can be asked for, not " + std::to_string(in_int_Modes));
    if (!BandFactorisation::IsSymmetric(RoundedTo<double>(l_o_System.m_o_K)))
        throw ProblemError("a modal analysis needs a symmetric stiffness matrix: the stiffness integrand is not "
                           "symmetric (a convection term?)");
    if (!BandFactorisation::IsSymmetric(l_o_System.m_o_M))
        throw ProblemError("a modal analysis needs a symmetric mass matrix: the mass integrand is not symmetric");
    for (int i = 0; i < nf; ++i)
        if (!(l_o_System.m_o_M.At(i, i) > 0.0))
            throw ProblemError("the mass matrix is not positive definite at " +
                               l_o_Discretisation.Describe(l_o_System.m_vint_Unknown[i]) +
                               ": a mass coefficient is zero or negative there");

    Trust l_o_Trust;
    l_o_Trust.m_e_Arithmetic = in_o_Settings.m_e_Arithmetic;
    l_o_Trust.m_db_ErrorEstimate = DBL_EPSILON;
    Eigenpairs l_o_Pairs = nf <= std::max(2 * in_int_Modes + 1, 20)
                               ? SolveWhole(l_o_System, in_int_Modes)
                               : SolveLanczos(l_o_System, in_int_Modes, l_o_Discretisation, l_o_Trust);
    l_o_Trust.m_s_Warning = TrustWarning(l_o_Trust, in_o_Settings.m_db_Accuracy);

    std::vector<int> l_vint_Order(in_int_Modes);
    std::iota(l_vint_Order.begin(), l_vint_Order.end(), 0);
    std::stable_sort(l_vint_Order.begin(), l_vint_Order.end(),
                     [&](int a, int b) { return l_o_Pairs.m_vdb_Values[a] < l_o_Pairs.m_vdb_Values[b]; });
    std::vector<double> l_vdb_Eigenvalues;
    std::vector<FieldSolution> l_v_Shapes;
    for (int l_int_Mode : l_vint_Order)
    {
        const double* l_db_ptrVector = l_o_Pairs.m_vdb_Vectors.data() + static_cast<std::size_t>(l_int_Mode) * nf;
        if (!std::isfinite(l_o_Pairs.m_vdb_Values[l_int_Mode]))
            throw ProblemError("the eigensolver returned a value that is not finite: a coefficient is not finite");
        // Sign: the value unknown of largest magnitude comes out positive.
        double l_db_Largest = 0.0;
        for (int i = 0; i < nf; ++i)
            if (l_o_Discretisation.Kind(l_o_System.m_vint_Unknown[i]) == UnknownKind::Value &&
                std::fabs(l_db_ptrVector[i]) > std::fabs(l_db_Largest))
                l_db_Largest = l_db_ptrVector[i];
        const double l_db_Sign = l_db_Largest < 0.0 ? -1.0 : 1.0;
        LargeVector<double> U(static_cast<std::size_t>(n), 0.0);
        for (int i = 0; i < nf; ++i)
            U[l_o_System.m_vint_Unknown[i]] = l_db_Sign * l_db_ptrVector[i];
        l_vdb_Eigenvalues.push_back(l_o_Pairs.m_vdb_Values[l_int_Mode]);
        l_v_Shapes.emplace_back(l_o_Discretisation, std::move(U));
    }
    return ModalSolution(std::move(l_vdb_Eigenvalues), std::move(l_v_Shapes), std::move(l_o_Trust));
}

} // namespace

double ModalSolution::get_Omega(int in_int_i) const { return std::sqrt(std::max(m_vdb_Eigenvalues[in_int_i], 0.0)); }

ModalSolution SolveModes(const Model& in_o_Model, int in_int_Modes, const SolverSettings& in_o_Settings)
{
    const Integrands& l_o_Integrands = in_o_Model.get_Integrands();
    if (l_o_Integrands.m_o_ptrK == nullptr || l_o_Integrands.m_o_ptrM == nullptr)
        throw ProblemError("a modal analysis needs a stiffness integrand (K) and a mass integrand (M)");
    return in_o_Settings.m_e_Arithmetic == Arithmetic::Double
               ? SolveModesIn<double>(in_o_Model, in_int_Modes, in_o_Settings)
               : SolveModesIn<Extended>(in_o_Model, in_int_Modes, in_o_Settings);
}
