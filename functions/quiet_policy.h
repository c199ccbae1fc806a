#pragma once
#include <boost/math/policies/policy.hpp>

// Boost.Math reports failures by throwing unless told otherwise. Here every failure gives its
// IEEE answer instead (a not-a-number outside the domain, an infinity past the double range, the
// best value reached when a series runs out of steps), which the callers turn into their
// messages: no Boost call in Orvo can throw.
namespace orvo {

using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::underflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::denorm_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::rounding_error<boost::math::policies::ignore_error>,
    boost::math::policies::indeterminate_result_error<boost::math::policies::ignore_error>>;

}  // namespace orvo
