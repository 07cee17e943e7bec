Monte Carlo
Type: Generated
Total variants:  2
Number of Monte Carlo Iterations: 4
Variant: Ingestion Rate (Ri)
Input Data:
Mean: 2
Variance: 1
Minimum: 0.5
Maximum: 6
Distribution Type: Lognormal
Number of Monte Carlo Iterations: 4
Output Data:
Arithmetic Mean: 2.1
Geometric Mean: 1.9
Median: 2
Minimum: 0.61
Maximum: 5.5
Standard Deviation: 0.95
Simulation Output:
 1.5
 2.25
 0.75
 5.5
Variant: Body Weight (Wb)
Input Data:
Mean: 2
Variance: 1
Minimum: 0.5
Maximum: 6
Distribution Type: Uniform
Number of Monte Carlo Iterations: 3
Output Data:
Arithmetic Mean: 2.1
Geometric Mean: 1.9
Median: 2
Minimum: 0.61
Maximum: 5.5
Standard Deviation: 0.95
Simulation Output:
 1
 3
 5
[End File]
